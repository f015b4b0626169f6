// The main window's toolbars as the user arranged them: the context menu's
// "Customize...", and the layout kept at a clean exit and restored at start.
#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "core/common/command_ids.h"
#include "core/workspace/kept_toolbars.h"
#include "platform/settings/ini_settings_store.h"
#include "ui/app/main_window.h"
#include "ui/codecontroller/code_controller.h"
#include "ui/toolbars/command_categories.h"
#include "ui/toolbars/customize_dialog.h"
#include "ui/toolbars/toolbar_layout.h"
#include "ui/workbench/results_panel.h"

namespace markloom {

namespace {
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

void MainWindow::installToolbarLayout() {
  toolbarLayout_ = new ToolbarLayout(
      this, kMainToolbarsKey, [this](const QString& id) { return findCommand(commandCategories(menuBar()), id); });
  for (std::string_view name : {ids::kStandardToolbar, ids::kToolsToolbar, ids::kFormattingBar})
    toolbarLayout_->addToolbar(findChild<QToolBar*>(qs(name)));
  IniSettingsStore store;
  toolbarLayout_->restore(store);
  // The kept places are the toolbars'; the panels start as they always do.
  results_->hide();
  codeController_->show();
  if (auto* tagBarDock = findChild<QDockWidget*>("TagBarDock")) tagBarDock->show();
}

void MainWindow::keepToolbars() {
  IniSettingsStore store;
  toolbarLayout_->keep(store);
  store.sync();
}

QMenu* MainWindow::createPopupMenu() {
  QMenu* menu = QMainWindow::createPopupMenu();
  if (!menu) menu = new QMenu(this);
  menu->addSeparator();
  QAction* customize = menu->addAction("Customize...", this, &MainWindow::customizeToolbars);
  customize->setObjectName("CustomizeToolbars");
  return menu;
}

void MainWindow::customizeToolbars() { CustomizeDialog::open(this, *toolbarLayout_, menuBar()); }

}  // namespace markloom
