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

void MainWindow::connectOwnCommands() {
  const std::pair<const char*, void (MainWindow::*)()> handlers[] = {
      {"Exit1", &MainWindow::Exit1Click},         {"Tile1", &MainWindow::Tile1Click},
      {"Cascade1", &MainWindow::Cascade1Click},   {"Next1", &MainWindow::Next1Click},
      {"Previous1", &MainWindow::Previous1Click}, {"ContentWizards1", &MainWindow::ContentWizards1Click},
      {"About1", &MainWindow::About1Click},
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
void MainWindow::Exit1Click() { close(); }

void MainWindow::Tile1Click() { documentArea_->tileSubWindows(); }
void MainWindow::Cascade1Click() { documentArea_->cascadeSubWindows(); }
void MainWindow::Next1Click() { documentArea_->activateNextSubWindow(); }
void MainWindow::Previous1Click() { documentArea_->activatePreviousSubWindow(); }

void MainWindow::ContentWizards1Click() {
  Prompter& prompter = Prompter::instance();
  prompter.beep();
  prompter.message(windowTitle(), "This feature is not yet available.", Prompter::Icon::Information,
                   Prompter::Buttons::Ok);
}

void MainWindow::About1Click() {
  AboutBox box(this);
  box.exec();
}

void MainWindow::fillOpenDocumentsMenu() {
  QMenu* list = menu("OpenDocuments1");
  list->clear();
  DocumentWindow* active = activeDocument();
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
