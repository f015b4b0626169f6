// The main window's own commands: Exit, the Window menu, Content Wizards, About
// and the maker's web pages.
#include <QAction>
#include <QDesktopServices>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QUrl>

#include "core/common/command_ids.h"
#include "ui/app/about_box.h"
#include "ui/app/main_window.h"
#include "ui/app/maker_pages.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"

namespace markloom {

void MainWindow::connectOwnCommands() {
  const std::pair<std::string_view, void (MainWindow::*)()> handlers[] = {
      {ids::kExit, &MainWindow::exitProgram},
      {ids::kTileWindows, &MainWindow::tileWindows},
      {ids::kCascadeWindows, &MainWindow::cascadeWindows},
      {ids::kNextWindow, &MainWindow::activateNextWindow},
      {ids::kPreviousWindow, &MainWindow::activatePreviousWindow},
      {ids::kContentWizards, &MainWindow::showContentWizards},
      {ids::kAbout, &MainWindow::showAbout},
  };
  for (const auto& [id, handler] : handlers)
    connect(action(id), &QAction::triggered, this, [this, handler = handler] { guarded([&] { (this->*handler)(); }); });

  const std::pair<std::string_view, const char*> pages[] = {
      {ids::kMakerHomePage, kMakerHomePage},
      {ids::kMakerProductsGuide, kMakerProductsGuide},
      {ids::kMakerTechnicalSupport, kMakerTechnicalSupport},
      {ids::kMarkloomHomePage, kMarkloomHomePage},
  };
  // The result of opening a web page is not looked at.
  for (const auto& [id, address] : pages)
    connect(action(id), &QAction::triggered, this, [address = address] { QDesktopServices::openUrl(QUrl(address)); });
}

// Exit closes the main window, so every modified document is asked its close
// query first and a Cancel keeps the program running: unsaved work is never
// thrown away without a question.
void MainWindow::exitProgram() { close(); }

void MainWindow::tileWindows() { documentArea_->tileSubWindows(); }
void MainWindow::cascadeWindows() { documentArea_->cascadeSubWindows(); }
void MainWindow::activateNextWindow() { documentArea_->activateNextSubWindow(); }
void MainWindow::activatePreviousWindow() { documentArea_->activatePreviousSubWindow(); }

void MainWindow::showContentWizards() {
  Prompter& prompter = Prompter::instance();
  prompter.beep();
  prompter.message(windowTitle(), "This feature is not yet available.", Prompter::Icon::Information,
                   Prompter::Buttons::Ok);
}

void MainWindow::showAbout() {
  AboutBox box(this);
  box.exec();
}

void MainWindow::fillOpenDocumentsMenu() {
  QMenu* list = menu(ids::kOpenDocumentsMenu);
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
