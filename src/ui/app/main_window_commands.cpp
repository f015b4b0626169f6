// The main window's own commands: Exit, the Window menu, Content Wizards, About
// and the maker's web pages.
#include <QAction>
#include <QDesktopServices>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QUrl>

#include "ui/app/about_box.h"
#include "ui/app/main_window.h"
#include "ui/app/maker_pages.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"

namespace markloom {

void TForm1::connectOwnCommands() {
  const std::pair<const char*, void (TForm1::*)()> handlers[] = {
      {"Exit1", &TForm1::Exit1Click},         {"Tile1", &TForm1::Tile1Click},
      {"Cascade1", &TForm1::Cascade1Click},   {"Next1", &TForm1::Next1Click},
      {"Previous1", &TForm1::Previous1Click}, {"ContentWizards1", &TForm1::ContentWizards1Click},
      {"About1", &TForm1::About1Click},
  };
  for (const auto& [name, handler] : handlers)
    connect(action(name), &QAction::triggered, this, [this, handler = handler] { guarded([&] { (this->*handler)(); }); });

  const std::pair<const char*, const char*> pages[] = {
      {"TarnwellHomepage1", kMakerHomePage},
      {"TarnwellProductsGuide1", kMakerProductsGuide},
      {"TechnicalSupport1", kMakerTechnicalSupport},
      {"MarkloomHomepage1", kMarkloomHomePage},
  };
  // The result of opening a web page is not looked at.
  for (const auto& [name, address] : pages)
    connect(action(name), &QAction::triggered, this, [address = address] { QDesktopServices::openUrl(QUrl(address)); });
}

// Exit closes the main window, so every modified document is asked its close
// query first and a Cancel keeps the program running: unsaved work is never
// thrown away without a question.
void TForm1::Exit1Click() { close(); }

void TForm1::Tile1Click() { documentArea_->tileSubWindows(); }
void TForm1::Cascade1Click() { documentArea_->cascadeSubWindows(); }
void TForm1::Next1Click() { documentArea_->activateNextSubWindow(); }
void TForm1::Previous1Click() { documentArea_->activatePreviousSubWindow(); }

void TForm1::ContentWizards1Click() {
  Prompter& prompter = Prompter::instance();
  prompter.beep();
  prompter.message(windowTitle(), "This feature is not yet available.", Prompter::Icon::Information,
                   Prompter::Buttons::Ok);
}

void TForm1::About1Click() {
  TAboutBox box(this);
  box.exec();
}

void TForm1::fillOpenDocumentsMenu() {
  QMenu* list = menu("OpenDocuments1");
  list->clear();
  TForm2* active = activeDocument();
  int index = 0;
  for (const auto& [caption, window] : windowList_) {
    QAction* entry = list->addAction(caption);
    entry->setObjectName(QString("OpenDocument%1").arg(++index));
    entry->setCheckable(true);
    entry->setChecked(window == active);
    connect(entry, &QAction::triggered, this, [this, window = window] {
      for (QMdiSubWindow* sub : documentArea_->subWindowList())
        if (sub->widget() == window) documentArea_->setActiveSubWindow(sub);
    });
  }
}

}  // namespace markloom
