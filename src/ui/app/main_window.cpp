#include "ui/app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "core/common/command_ids.h"
#include "platform/files/program_folder.h"
#include "platform/settings/settings_file_check.h"
#include "ui/app/command_action.h"
#include "ui/app/menu_table.h"
#include "ui/app/recent_files_menu.h"
#include "ui/codecontroller/code_controller.h"
#include "ui/toolbars/toolbar_icons.h"
#include "ui/workbench/results_panel.h"

namespace markloom {

namespace {
// The tag bar's tabs: caption and the object name of the toolbar on it.
struct TagTab {
  const char* caption;
  std::string_view name;
};
constexpr TagTab kTagTabs[] = {
    {"Common", ids::kCommonTab}, {"Frames", ids::kFramesTab},         {"Tables", ids::kTablesTab},
    {"Forms", ids::kFormsTab},   {"Lists", ids::kListsTab},           {"WML", ids::kWmlTab},
    {"ASP", ids::kAspTab},       {"ColdFusion", ids::kColdFusionTab}, {"SSI", ids::kSsiTab},
    {"PHP", ids::kPhpTab},       {"WebTV", ids::kWebTvTab},           {"JSP", ids::kJspTab},
};

// Toolbar contents by command id; an empty id is a separator.
constexpr std::string_view kSeparator;
constexpr std::string_view kStandardBar[] = {ids::kNewDocument,
                                             ids::kOpenLocalFile,
                                             ids::kOpenFromWeb,
                                             kSeparator,
                                             ids::kSave,
                                             kSeparator,
                                             ids::kPrint,
                                             ids::kPageSetup,
                                             kSeparator,
                                             ids::kUndo,
                                             ids::kRedo,
                                             kSeparator,
                                             ids::kCut,
                                             ids::kCopy,
                                             ids::kPaste,
                                             kSeparator,
                                             ids::kFind,
                                             ids::kReplace,
                                             ids::kMultiFileReplace,
                                             kSeparator,
                                             ids::kContents};
constexpr std::string_view kToolsBar[] = {ids::kSpellCheck,      ids::kLinkValidator, ids::kSheetcraft,
                                          ids::kImageMapCreator, ids::kLayerCreator,  ids::kFixAndFormatHtml};

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  // Before anything reads the store: a damaged settings file goes aside
  // unread, so nothing writes over it; the user is told once the window shows.
  settingsDamage_ = setAsideDamagedSettings();
  if (!settingsDamage_.isEmpty()) qWarning("markloom: %s", qPrintable(settingsDamage_));
  setObjectName("Form1");
  setWindowTitle("Tarnwell Markloom 5.0");
  resize(688, 540);
  documentArea_ = new QMdiArea(this);
  documentArea_->setObjectName("DocumentArea");
  setCentralWidget(documentArea_);

  buildMenus();
  buildToolbars();
  buildTagBar();

  codeController_ = new CodeController(this);
  codeController_->setMinimumWidth(200);
  addDockWidget(Qt::LeftDockWidgetArea, codeController_);
  resizeDocks({codeController_}, {200}, Qt::Horizontal);
  connect(codeController_, &CodeController::fileActivated, this, [this](const QString& path) { openDocument(path); });

  results_ = new ResultsPanel(this);
  addDockWidget(Qt::BottomDockWidgetArea, results_);
  resizeDocks({results_}, {93}, Qt::Vertical);
  results_->hide();

  buildStatusBar();
  connect(documentArea_, &QMdiArea::subWindowActivated, this, &MainWindow::followActiveDocument);

  connectInboundChannel();

  for (auto* command : findChildren<CommandAction*>()) command->watchHandlers();
  connectOwnCommands();
  installCommandGroups();
  recentFiles_ = new RecentFilesMenu(this);
  greyOutUnansweredCommands();
  // After the greying: a button on a toolbar is no answer to its command.
  installToolbarLayout();
}

void MainWindow::greyOutUnansweredCommands() {
  for (auto* command : findChildren<CommandAction*>())
    if (!command->hasHandler() && !command->menu()) command->setEnabled(false);  // a submenu answers itself
  // A submenu of table entries that are all greyed is greyed too (Import,
  // Export); menus filled later (Insert, Open Documents) hold none and stay.
  for (QMenu* m : findChildren<QMenu*>()) {
    bool anyCommand = false, anyEnabled = false;
    for (QAction* a : m->actions()) {
      if (a->isSeparator()) continue;
      anyCommand |= qobject_cast<CommandAction*>(a) != nullptr;
      anyEnabled |= a->isEnabled();
    }
    if (anyCommand && !anyEnabled) m->menuAction()->setEnabled(false);
  }
}

MainWindow::~MainWindow() {
  // Document windows leave the window list when destroyed, so they go (closed
  // ones too, which the area no longer lists) while the list still exists.
  delete documentArea_;
  documentArea_ = nullptr;
}

void MainWindow::buildMenus() {
  QHash<QString, QMenu*> menus;
  for (const MenuCommand& c : menuTable()) {
    QMenu* parentMenu = c.parent.empty() ? nullptr : menus.value(text(c.parent));
    switch (c.kind) {
      case MenuCommand::Kind::Menu: {
        QMenu* m = parentMenu ? parentMenu->addMenu(text(c.caption)) : menuBar()->addMenu(text(c.caption));
        m->setObjectName(c.name);
        m->menuAction()->setObjectName(text(c.name) + "Menu");
        menus.insert(text(c.name), m);
        break;
      }
      case MenuCommand::Kind::Item: {
        auto* a = new CommandAction(text(c.caption), parentMenu);
        parentMenu->addAction(a);
        a->setObjectName(c.name);
        if (!c.shortcut.empty()) a->setShortcut(QKeySequence(text(c.shortcut)));
        a->setIcon(toolbarIcon(c.name));
        a->setIconVisibleInMenu(false);
        break;
      }
      case MenuCommand::Kind::Separator: parentMenu->addSeparator(); break;
    }
  }
  connect(menu(ids::kOpenDocumentsMenu), &QMenu::aboutToShow, this, &MainWindow::fillOpenDocumentsMenu);
}

void MainWindow::buildToolbars() {
  auto* standard = addToolBar("Standard");
  standard->setObjectName(ids::kStandardToolbar);
  for (std::string_view id : kStandardBar) {
    if (id.empty())
      standard->addSeparator();
    else
      standard->addAction(action(id));
  }
  auto* tools = addToolBar("Tools");
  tools->setObjectName(ids::kToolsToolbar);
  for (std::string_view id : kToolsBar) tools->addAction(action(id));
  tools->addSeparator();
  // Preview entries stay disabled with their default caption until a browser is set.
  auto* preview = new QMenu("Preview", this);
  preview->setObjectName(ids::kPreviewMenu);
  for (std::size_t n = 0; n < ids::kPreviewInBrowser.size(); ++n) {
    QAction* a = preview->addAction(QString("Browser %1").arg(n + 1));
    a->setObjectName(ids::kPreviewInBrowser[n]);
    a->setEnabled(false);
  }
  auto* previewButton = new QToolButton;
  previewButton->setObjectName("PreviewButton");
  previewButton->setText("Preview");
  previewButton->setMenu(preview);
  previewButton->setPopupMode(QToolButton::InstantPopup);
  previewButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
  tools->addWidget(previewButton);

  auto* formatting = new QToolBar("Formatting", this);
  formatting->setObjectName(
      QString::fromUtf8(ids::kFormattingBar.data(), static_cast<qsizetype>(ids::kFormattingBar.size())));
  addToolBar(Qt::BottomToolBarArea, formatting);
}

void MainWindow::buildTagBar() {
  auto* dock = new QDockWidget("Tag Bar", this);
  dock->setObjectName("TagBarDock");
  dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
  dock->setTitleBarWidget(new QWidget(dock));
  tagBar_ = new QTabWidget(dock);
  tagBar_->setObjectName("TagBar");
  tagBar_->setStyleSheet("QTabBar::tab { height: 15px; }");
  for (const auto& tab : kTagTabs) {
    auto* bar = new QToolBar(tab.caption);
    bar->setObjectName(QString::fromUtf8(tab.name.data(), static_cast<qsizetype>(tab.name.size())));
    bar->setIconSize(QSize(16, 16));
    tagBar_->addTab(bar, tab.caption);
  }
  dock->setWidget(tagBar_);
  addDockWidget(Qt::TopDockWidgetArea, dock);
}

void MainWindow::buildStatusBar() {
  const int widths[3] = {85, 50, 250};
  const Qt::Alignment align[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignLeft};
  const char* texts[3] = {"0 : 0", "Ready", ""};
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(texts[i]);
    label->setObjectName(QString("StatusPanel%1").arg(i + 1));
    // The message panel grows for a longer note ("Search wrapped") rather than cut it.
    if (i == 1)
      label->setMinimumWidth(widths[i]);
    else
      label->setFixedWidth(widths[i]);
    label->setAlignment(align[i] | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addWidget(label);
    statusPanels_[i] = label;
  }
}

QAction* MainWindow::action(QAnyStringView id) const { return findChild<QAction*>(id.toString()); }
QMenu* MainWindow::menu(QAnyStringView id) const { return findChild<QMenu*>(id.toString()); }

QTreeWidget* MainWindow::validationList() const { return results_->validation(); }
QListWidget* MainWindow::tidyList() const { return results_->tidy(); }
QTreeWidget* MainWindow::linksList() const { return results_->links(); }

void MainWindow::showResults(ResultsTab tab) { results_->showTab(tab); }

QString MainWindow::programFilePath(const QString& relative) const { return programPath(relative); }
QString MainWindow::workFilePath(const QString& relative) const { return workPath(relative); }

void MainWindow::setStatusText(const QString& text) { statusPanels_[1]->setText(text); }
QString MainWindow::statusText(int panel) const { return statusPanels_[panel - 1]->text(); }

void MainWindow::addToWindowList(const QString& caption, DocumentWindow* window) {
  windowList_.append({caption, window});
}

void MainWindow::removeFromWindowList(DocumentWindow* window) {
  for (int i = 0; i < windowList_.size(); ++i) {
    if (windowList_[i].second == window) {
      windowList_.removeAt(i);
      return;
    }
  }
}

QList<QPair<QString, DocumentWindow*>> MainWindow::windowList() const { return windowList_; }

void MainWindow::closeEvent(QCloseEvent* event) {
  // The session is what was open before the documents were asked to close; it
  // is kept only when the exit goes through.
  const Session session = currentSession();
  // Every document is asked its close query; one Cancel keeps the program open.
  for (QMdiSubWindow* sub : documentArea_->subWindowList(QMdiArea::CreationOrder)) {
    if (!sub->close()) {
      event->ignore();
      return;
    }
  }
  keepSession(session);
  keepToolbars();
  event->accept();
}

}  // namespace markloom
