#include "ui/sites/hostdeck_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/sites/transfer_type.h"
#include "core/workspace/kept_toolbars.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"
#include "ui/sites/file_pane.h"
#include "ui/sites/transfer_worker.h"
#include "ui/toolbars/toolbar_layout.h"

namespace markloom {

namespace {
QAction* command(QWidget* owner, const char* name, const QString& caption, const QString& hint,
                 QStyle::StandardPixmap icon) {
  auto* action = new QAction(owner->style()->standardIcon(icon), caption, owner);
  action->setObjectName(name);
  action->setToolTip(hint);
  action->setStatusTip(hint);
  return action;
}
}  // namespace

HostdeckWindow::HostdeckWindow(QWidget* parent) : QDialog(parent), worker_(new TransferWorker(this)) {
  setObjectName("TForm3");
  setWindowTitle("Tarnwell Hostdeck 5.0");
  setSizeGripEnabled(true);
  resize(689, 480);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  buildMenusAndToolbar();
  column->setMenuBar(findChild<QMenuBar*>("MainMenu"));
  column->addWidget(findChild<QToolBar*>("Main"));
  keepDialogToolbar(this, findChild<QToolBar*>("Main"), kHostdeckToolbarKey);

  local_ = new FilePane("pnlLocalLbl", "lvLocal", "LocalUp", FilePane::Order::ByName, this);
  remote_ = new FilePane("pnlRemoteLbl", "lvRemote", "RemoteUp", FilePane::Order::FoldersFirst, this);
  auto* panes = new QSplitter(Qt::Horizontal, this);
  panes->addWidget(buildProfilePanel());
  panes->addWidget(local_);
  panes->addWidget(remote_);
  panes->setStretchFactor(1, 1);
  panes->setStretchFactor(2, 1);
  log_ = new QPlainTextEdit(this);
  log_->setObjectName("memstatus");
  log_->setReadOnly(true);
  log_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(log_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu;
    menu.addAction("&Save Log to Disk", this, &HostdeckWindow::saveLog)->setObjectName("SaveLogtoDisk1");
    menu.exec(log_->mapToGlobal(at));
  });
  auto* vertical = new QSplitter(Qt::Vertical, this);
  vertical->addWidget(panes);
  vertical->addWidget(log_);
  vertical->setStretchFactor(0, 3);
  vertical->setStretchFactor(1, 1);
  column->addWidget(vertical, 1);
  buildStatusBar(column);

  buildContextMenus();
  connect(local_, &FilePane::activated, this, [this](const QString& name, bool folder) {
    if (folder)
      changeLocalFolder(QDir(local_->folder()).filePath(name));
    else
      putFile();
  });
  connect(remote_, &FilePane::activated, this, [this](const QString& name, bool folder) {
    if (folder)
      changeRemoteFolder(name);
    else
      getFile();
  });
  connect(local_->upButton(), &QToolButton::clicked, this, [this] {
    QDir up(local_->folder());
    if (up.cdUp()) changeLocalFolder(up.absolutePath());
  });
  connect(remote_->upButton(), &QToolButton::clicked, this, [this] { changeRemoteFolder(".."); });
  for (FilePane* pane : {local_, remote_}) {
    connect(pane, &FilePane::selectionChanged, this, [this, pane] {
      activePane_ = pane;
      updateCommands();
    });
  }
  connect(worker_, &TransferWorker::progress, this, [this](qint64 done, qint64 total) {
    if (total > 0) progress_->setValue(static_cast<int>((done * 100 + total / 2) / total));
  });
  connect(worker_, &TransferWorker::done, this, [this](const TransferOutcome& outcome) {
    QApplication::restoreOverrideCursor();
    auto whenDone = std::move(whenDone_);
    whenDone_ = nullptr;
    if (whenDone) whenDone(outcome);
    updateCommands();
  });
  worker_->setHostKeyQuestion([this](const QString& host, const QString& key) {
    const auto answer = Prompter::instance().message(
        windowTitle(),
        QString("The server %1 is not yet known. Its key is:\n%2\n\nTrust it and remember it in known_hosts?")
            .arg(host, key),
        Prompter::Icon::Question, Prompter::Buttons::YesNo);
    return answer == Prompter::Answer::Yes;
  });
  worker_->setCertificateQuestion([this](const QString& host, const QString& fingerprint, bool changed) {
    const QString opening = changed ? QString("The certificate of %1 has changed since you trusted it.").arg(host)
                                    : QString("The certificate of %1 is not trusted by this system.").arg(host);
    const auto answer = Prompter::instance().message(
        windowTitle(),
        opening + QString("\nIts SHA-256 fingerprint is:\n%1\n\nTrust this certificate for %2?").arg(fingerprint, host),
        Prompter::Icon::Question, Prompter::Buttons::YesNo);
    return answer == Prompter::Answer::Yes;
  });

  // On Linux the local pane starts in the user's home folder.
  textExtensions_ = parseTextExtensions(kDefaultTextExtensions);
  setLocalFolder(QDir::homePath());
  remote_->setFolder("/");
  refreshProfiles();
  updateCommands();
}

HostdeckWindow::~HostdeckWindow() = default;

void HostdeckWindow::buildMenusAndToolbar() {
  connect_ = command(this, "actConnectToSite", "Connect", "Connect to site", QStyle::SP_DriveNetIcon);
  disconnect_ = command(this, "actDisconnect", "Disconnect", "Disconnect from site", QStyle::SP_DialogCloseButton);
  get_ = command(this, "actGetFile", "&Get File", "Download the selected files and folders", QStyle::SP_ArrowDown);
  put_ = command(this, "actPutFile", "&Put File", "Upload the selected files and folders", QStyle::SP_ArrowUp);
  refreshLocal_ = command(this, "actRefreshLocal", "&Refresh", "Refresh both panes", QStyle::SP_BrowserReload);
  delete_ = command(this, "actDelete", "&Delete", "Delete the selected files and folders", QStyle::SP_TrashIcon);
  delete_->setShortcut(QKeySequence::Delete);
  delete_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  addAction(delete_);
  publish_ = command(this, "actPublishSite", "Publish &Site...",
                     "Send the new and changed files of the local folder to the remote folder", QStyle::SP_ArrowUp);
  refreshRemote_ =
      command(this, "actRefreshRemote", "Refresh", "Refresh remote directory listing", QStyle::SP_BrowserReload);
  makeFolder_ =
      command(this, "actDoMkDir", "Make Remote Directory", "Make Remote Directory", QStyle::SP_FileDialogNewFolder);
  connect(connect_, &QAction::triggered, this, &HostdeckWindow::connectToSite);
  connect(disconnect_, &QAction::triggered, this, &HostdeckWindow::disconnectFromSite);
  connect(get_, &QAction::triggered, this, &HostdeckWindow::getFile);
  connect(put_, &QAction::triggered, this, &HostdeckWindow::putFile);
  connect(refreshLocal_, &QAction::triggered, this, &HostdeckWindow::refreshBoth);
  connect(delete_, &QAction::triggered, this, &HostdeckWindow::deleteSelected);
  connect(publish_, &QAction::triggered, this, &HostdeckWindow::publishSite);
  connect(refreshRemote_, &QAction::triggered, this, &HostdeckWindow::refreshRemote);
  connect(makeFolder_, &QAction::triggered, this, &HostdeckWindow::makeRemoteFolder);

  auto* bar = new QMenuBar(this);
  bar->setObjectName("MainMenu");
  QMenu* file = bar->addMenu("&File");
  file->addAction(connect_);
  file->addAction(disconnect_);
  file->addSeparator();
  file->addAction("E&xit", this, &QDialog::close)->setObjectName("Exit1");
  QMenu* action = bar->addMenu("&Action");
  action->addAction(get_);
  action->addAction(put_);
  action->addAction(delete_);
  action->addSeparator();
  action->addAction(publish_);
  action->addSeparator();
  action->addAction(refreshRemote_);

  auto* toolbar = new QToolBar("Main", this);
  toolbar->setObjectName("Main");
  for (QAction* a : {connect_, disconnect_, get_, put_, refreshLocal_, makeFolder_}) toolbar->addAction(a);
  transferType_ = new QComboBox(toolbar);
  transferType_->setObjectName("dxBarCombo1");
  transferType_->setToolTip("Transfer Type: Auto sends the text extensions of Preferences as ASCII, the rest as Binary");
  // Auto first: ASCII for everything would break images and archives.
  transferType_->addItems({"Auto", "ASCII", "Binary"});
  connect(transferType_, &QComboBox::currentTextChanged, this, [this](const QString& type) {
    mode_ = type == "Binary" ? TransferMode::Binary : type == "ASCII" ? TransferMode::Ascii : TransferMode::Auto;
  });
  toolbar->addWidget(transferType_);
}

QWidget* HostdeckWindow::buildProfilePanel() {
  profilePanel_ = new QWidget(this);
  profilePanel_->setObjectName("ProfilePanel");
  auto* grid = new QGridLayout(profilePanel_);
  grid->setContentsMargins(0, 0, 0, 0);
  profiles_ = new QListWidget(profilePanel_);
  profiles_->setObjectName("RzFileListBox1");
  auto* profilesLabel = new QLabel("P&rofiles:", profilePanel_);
  profilesLabel->setBuddy(profiles_);
  grid->addWidget(profilesLabel, 0, 0, 1, 2);
  grid->addWidget(profiles_, 1, 0, 1, 2);
  user_ = dialogkit::namedEdit(profilePanel_, "edtUser");
  password_ = dialogkit::namedEdit(profilePanel_, "edtPassword");
  password_->setEchoMode(QLineEdit::Password);
  hostField_ = dialogkit::namedEdit(profilePanel_, "edtHost");
  port_ = dialogkit::namedEdit(profilePanel_, "edtPort", "21");
  timeout_ = dialogkit::namedEdit(profilePanel_, "edtTime", "30000");
  serverType_ = dialogkit::namedCombo(profilePanel_, "edtServerType", {"Unix", "Other"});
  serverType_->setCurrentText({});
  protocol_ = new QComboBox(profilePanel_);
  protocol_->setObjectName("Protocol");
  protocol_->addItems({"FTP", "FTPS", "SFTP"});
  dialogkit::addLabelled(grid, 2, "&Username:", user_);
  dialogkit::addLabelled(grid, 3, "&Password:", password_);
  dialogkit::addLabelled(grid, 4, "&Server:", hostField_);
  dialogkit::addLabelled(grid, 5, "&Port:", port_);
  dialogkit::addLabelled(grid, 6, "&Timeout:", timeout_);
  dialogkit::addLabelled(grid, 7, "Server T&ype:", serverType_);
  dialogkit::addLabelled(grid, 8, "Pr&otocol:", protocol_);
  auto* buttons = new QHBoxLayout;
  auto* newButton = new QPushButton("New", profilePanel_);
  newButton->setObjectName("Button1");
  auto* saveButton = new QPushButton("Save", profilePanel_);
  saveButton->setObjectName("Button2");
  auto* deleteButton = new QPushButton("Delete", profilePanel_);
  deleteButton->setObjectName("Button3");
  for (QPushButton* b : {newButton, saveButton, deleteButton}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  grid->addLayout(buttons, 9, 0, 1, 2);
  connect(newButton, &QPushButton::clicked, this, &HostdeckWindow::newProfile);
  connect(saveButton, &QPushButton::clicked, this, &HostdeckWindow::saveProfile);
  connect(deleteButton, &QPushButton::clicked, this, &HostdeckWindow::deleteProfile);
  connect(profiles_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { loadProfile(QDir(profilesFolder()).filePath(item->text())); });
  connect(hostField_, &QLineEdit::returnPressed, this, &HostdeckWindow::connectFromServerField);
  return profilePanel_;
}

void HostdeckWindow::buildStatusBar(QVBoxLayout* column) {
  auto* bar = new QHBoxLayout;
  statusText_ = new QLabel("Ready", this);
  statusText_->setObjectName("StatusText");
  statusText_->setFixedWidth(240);
  progress_ = new QProgressBar(this);
  progress_->setObjectName("pbMain");
  progress_->setRange(0, 100);
  progress_->setValue(0);
  progress_->setFixedWidth(200);
  cancel_ = new QPushButton("Cancel", this);
  cancel_->setObjectName("CancelTransfer");
  cancel_->setAutoDefault(false);
  connect(cancel_, &QPushButton::clicked, this, &HostdeckWindow::cancelTransfer);
  bar->addWidget(statusText_);
  bar->addWidget(progress_);
  bar->addWidget(cancel_);
  bar->addStretch();
  column->addLayout(bar);
}

bool HostdeckWindow::busy() const { return worker_->busy(); }

QStringList HostdeckWindow::logLines() const { return log_->toPlainText().split('\n', Qt::SkipEmptyParts); }

void HostdeckWindow::addLog(const QString& line) { log_->appendPlainText(line); }

void HostdeckWindow::updateCommands() {
  const bool idle = !busy();
  connect_->setEnabled(idle && !connected_);
  disconnect_->setEnabled(idle && connected_);
  refreshRemote_->setEnabled(idle && connected_);
  makeFolder_->setEnabled(idle && connected_);
  get_->setEnabled(idle && connected_ && !remote_->selectedName().isEmpty());
  put_->setEnabled(idle && connected_ && !local_->selectedName().isEmpty());
  publish_->setEnabled(idle && connected_);
  const bool remoteSide = activePane_ != local_;
  delete_->setEnabled(idle && (remoteSide ? connected_ && !remote_->selectedName().isEmpty()
                                          : !local_->selectedName().isEmpty()));
  refreshLocal_->setEnabled(idle);
  cancel_->setEnabled(!idle);
  // The remote "up" is enabled below the top; the local one everywhere but at "/".
  remote_->upButton()->setEnabled(idle && connected_ && remote_->folder().size() > 1);
  local_->upButton()->setEnabled(local_->folder() != "/");
}

void HostdeckWindow::closeEvent(QCloseEvent* event) {
  worker_->finish();
  QDialog::closeEvent(event);
}

void HostdeckWindow::reject() {
  worker_->finish();
  QDialog::reject();
}

void HostdeckWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (busy()) cancelTransfer();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void HostdeckWindow::buildContextMenus() {
  for (FilePane* pane : {local_, remote_}) {
    pane->list()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pane->list(), &QWidget::customContextMenuRequested, this, [this, pane](const QPoint& at) {
      activePane_ = pane;
      updateCommands();
      QMenu menu;
      const bool remote = pane == remote_;
      if (!pane->selectedName().isEmpty()) {
        menu.addAction(remote ? get_ : put_);
        menu.addAction(delete_);
        if (remote)
          menu.addAction("Rename File", this, &HostdeckWindow::renameRemoteFile)->setObjectName("RenameFile1");
        menu.addSeparator();
      }
      menu.addAction("Refresh", this, remote ? &HostdeckWindow::refreshRemote : &HostdeckWindow::refreshLocal)
          ->setObjectName(remote ? "RefreshRemote1" : "RefreshLocal1");
      menu.exec(pane->list()->viewport()->mapToGlobal(at));
    });
  }
}

void HostdeckWindow::setTextExtensions(const QString& list) {
  textExtensions_ = parseTextExtensions(list.toStdString());
}

}  // namespace markloom
