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
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "ui/app/code_controller.h"
#include "ui/app/menu_table.h"
#include "ui/app/results_panel.h"
#include "ui/app/toolbar_icons.h"
#include "platform/ipc/plug_channel.h"

namespace markloom {

namespace {
// The tag bar's tabs: caption and the object name of the toolbar on it.
constexpr const char* kTagTabs[][2] = {
    {"Common", "CommonTab"}, {"Frames", "FramesTab"},         {"Tables", "TablesTab"}, {"Forms", "FormsTab"},
    {"Lists", "ListsTab"},   {"WML", "WMLTab"},               {"ASP", "ASPTab"},       {"ColdFusion", "ColdFusionTab"},
    {"SSI", "SSITab"},       {"PHP", "PHPTab"},               {"WebTV", "WebTVTab"},   {"JSP", "JSPTab"},
};

// Toolbar contents by command object name; "|" is a separator.
constexpr const char* kStandardBar[] = {"New1", "OpenfromLocal1", "OpenfromWeb1", "|", "Save1", "|", "Print1",
                                        "PageSetup1", "|", "Undo1", "Redo1", "|", "Cut1", "Copy1", "Paste1", "|",
                                        "Find1", "Replace1", "ExtendedFindandReplace1", "|", "Contents1"};
constexpr const char* kToolsBar[] = {"SpellCheck1",           "LinkValidator1",      "Sheetcraft1",
                                     "VisualImageMapCreator1", "VisualLayerCreator1", "FixandFormatHTML1"};
}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
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

  PlugMove_ = new QPlainTextEdit(this);
  PlugMove_->setObjectName("PlugMove");
  PlugMove_->hide();
  connect(PlugMove_, &QPlainTextEdit::textChanged, this, &MainWindow::PlugMoveChange);
  plugChannel_ = new PlugChannel(this);
  connect(plugChannel_, &PlugChannel::received, this,
          [this](const QByteArray& message) {
            // The bytes are kept as sent: the text holder shows them, but 8-bit
            // text would not survive a round trip through it.
            plugBytes_ = message;
            PlugMove_->setPlainText(QString::fromLocal8Bit(message));
          });
  if (!plugChannel_->listen())
    qWarning("Markloom: inbound text channel not available: %s", qPrintable(plugChannel_->errorString()));

  TimeDelay_ = new QTimer(this);
  TimeDelay_->setObjectName("TimeDelay");
  TimeDelay_->setInterval(3000);

  connectOwnCommands();
  installCommandGroups();
}

MainWindow::~MainWindow() {
  // Document windows leave the window list when destroyed, so they go while
  // the list still exists.
  // (closed ones too, which the area no longer lists).
  delete documentArea_;
  documentArea_ = nullptr;
}

void MainWindow::buildMenus() {
  QHash<QString, QMenu*> menus;
  for (const MenuCommand& c : menuTable()) {
    QMenu* parentMenu = *c.parent ? menus.value(c.parent) : nullptr;
    switch (c.kind) {
      case MenuCommand::Kind::Menu: {
        QMenu* m = parentMenu ? parentMenu->addMenu(c.caption) : menuBar()->addMenu(c.caption);
        m->setObjectName(c.name);
        m->menuAction()->setObjectName(QString(c.name) + "Menu");
        menus.insert(c.name, m);
        break;
      }
      case MenuCommand::Kind::Item: {
        QAction* a = parentMenu->addAction(c.caption);
        a->setObjectName(c.name);
        if (*c.shortcut) a->setShortcut(QKeySequence(c.shortcut));
        a->setIcon(toolbarIcon(c.name));
        a->setIconVisibleInMenu(false);
        break;
      }
      case MenuCommand::Kind::Separator:
        parentMenu->addSeparator();
        break;
    }
  }
  connect(menu("OpenDocuments1"), &QMenu::aboutToShow, this, &MainWindow::fillOpenDocumentsMenu);
}

void MainWindow::buildToolbars() {
  auto* standard = addToolBar("Standard");
  standard->setObjectName("Standard");
  for (const char* name : kStandardBar) {
    if (QString(name) == "|") standard->addSeparator();
    else standard->addAction(action(name));
  }
  auto* tools = addToolBar("Tools");
  tools->setObjectName("Tools");
  for (const char* name : kToolsBar) tools->addAction(action(name));
  tools->addSeparator();
  // Preview entries stay disabled with their default caption until a browser is set.
  auto* preview = new QMenu("Preview", this);
  preview->setObjectName("Preview");
  for (int n = 1; n <= 6; ++n) {
    QAction* a = preview->addAction(QString("Browser %1").arg(n));
    a->setObjectName(QString("Browser%1").arg(n));
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
  formatting->setObjectName("Formatting");
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
    auto* bar = new QToolBar(tab[0]);
    bar->setObjectName(tab[1]);
    bar->setIconSize(QSize(16, 16));
    tagBar_->addTab(bar, tab[0]);
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
    label->setFixedWidth(widths[i]);
    label->setAlignment(align[i] | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addWidget(label);
    statusPanels_[i] = label;
  }
}

QAction* MainWindow::action(const QString& objectName) const { return findChild<QAction*>(objectName); }
QMenu* MainWindow::menu(const QString& objectName) const { return findChild<QMenu*>(objectName); }

QTreeWidget* MainWindow::validationList() const { return results_->validation(); }
QListWidget* MainWindow::tidyList() const { return results_->tidy(); }
QTreeWidget* MainWindow::linksList() const { return results_->links(); }

void MainWindow::showResults(ResultsTab tab) {
  results_->tabs()->setCurrentIndex(static_cast<int>(tab));
  results_->show();
}

void MainWindow::setStatusText(const QString& text) { statusPanels_[1]->setText(text); }
QString MainWindow::statusText(int panel) const { return statusPanels_[panel - 1]->text(); }

void MainWindow::addToWindowList(const QString& caption, DocumentWindow* window) { windowList_.append({caption, window}); }

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
  // Every document is asked its close query; one Cancel keeps the program open.
  for (QMdiSubWindow* sub : documentArea_->subWindowList(QMdiArea::CreationOrder)) {
    if (!sub->close()) {
      event->ignore();
      return;
    }
  }
  event->accept();
}

}  // namespace markloom
