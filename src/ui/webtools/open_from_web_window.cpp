#include "ui/webtools/open_from_web_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/common/command_ids.h"
#include "core/common/error.h"
#include "core/document/data_file_text.h"
#include "core/settings/settings_table.h"
#include "core/text/file_writer.h"
#include "core/text/line_list.h"
#include "core/webtools/downloaded_file.h"
#include "platform/net/proxy_settings.h"
#include "ui/common/command_guard.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/workbench/workbench.h"

namespace markloom {

namespace {
std::string local(const QString& text) { return QFile::encodeName(text).toStdString(); }
}  // namespace

OpenFromWebWindow::OpenFromWebWindow(Workbench& workbench)
    : QWidget(workbench.mainWidget(), Qt::Tool | Qt::WindowStaysOnTopHint), workbench_(workbench) {
  setObjectName("WebForm");
  setWindowTitle("Open from Web...");
  qRegisterMetaType<HttpResult>();

  auto* column = new QVBoxLayout(this);
  auto* addressLabel = new QLabel("Please enter a URL that you wish to open:");
  address_ = new QComboBox(this);
  address_->setObjectName("URLEdit");
  address_->setEditable(true);
  address_->setInsertPolicy(QComboBox::NoInsert);
  address_->setMinimumWidth(address_->fontMetrics().averageCharWidth() * 45);
  addressLabel->setBuddy(address_);
  column->addWidget(addressLabel);
  column->addWidget(address_);

  auto* targetLabel = new QLabel("Please choose a filename to save with:");
  target_ = dialogkit::namedEdit(this, "Edit971");
  auto* browseButton = dialogkit::browseButton(this, "Button3", "&Browse");
  targetLabel->setBuddy(target_);
  column->addWidget(targetLabel);
  column->addLayout(dialogkit::fieldWithButton(target_, browseButton));

  useProxy_ = dialogkit::namedCheck(this, "CheckBox1", "Use Proxy Server");
  column->addWidget(useProxy_);

  auto* buttons = new QHBoxLayout;
  ok_ = new QPushButton("&OK");
  ok_->setObjectName("Button1");
  ok_->setDefault(true);
  auto* cancel = new QPushButton("&Cancel");
  cancel->setObjectName("Button2");
  abort_ = new QPushButton("&Abort");
  abort_->setObjectName("Button4");
  abort_->setEnabled(false);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  buttons->addWidget(abort_);
  column->addLayout(buttons);

  status_ = new QLabel(this);
  status_->setObjectName("StatusBar1");
  status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  column->addWidget(status_);

  connect(ok_, &QPushButton::clicked, this, &OpenFromWebWindow::download);
  connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
  connect(abort_, &QPushButton::clicked, this, &OpenFromWebWindow::abortDownload);
  connect(browseButton, &QPushButton::clicked, this, &OpenFromWebWindow::browse);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::hide);
  connect(new QShortcut(QKeySequence(Qt::Key_Return), this), &QShortcut::activated, ok_, &QPushButton::click);
  connect(&download_, &WebDownload::progress, this,
          [this](quint64 bytes) { status_->setText(QString::number(bytes) + " bytes received."); });
  connect(&download_, &WebDownload::finished, this, &OpenFromWebWindow::finishDownload);
  if (QAction* command = workbench.action(ids::kOpenFromWeb))
    connect(command, &QAction::triggered, this, [this] {
      // Over the middle of the main window, not at the screen's corner.
      if (!isVisible()) move(workbench_.mainWidget()->frameGeometry().center() - rect().center());
      show();
      raise();
      activateWindow();
    });
  dialogkit::fitToContent(this);
}

QString OpenFromWebWindow::statusText() const { return status_->text(); }
bool OpenFromWebWindow::downloading() const { return abort_->isEnabled(); }

void OpenFromWebWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  guarded([&] {
    // The box follows Preferences whenever the proxy server there changes;
    // in between, the user's choice stands. The rest of the proxy settings
    // are read (and checked) when a download starts.
    const std::string server = workbench_.settings().get(kProxyServer);
    if (!proxySeen_ || *proxySeen_ != server) useProxy_->setChecked(!server.empty());
    proxySeen_ = server;
    useProxy_->setEnabled(!server.empty());
    // The address typed last stays; without one, the last address used.
    const QString typed = address_->currentText();
    address_->clear();
    const QString recent = workbench_.programFilePath(kRecentFile);
    if (QFileInfo::exists(recent))
      for (const std::string& entry : readListText(local(recent))) address_->addItem(QString::fromStdString(entry));
    if (!typed.isEmpty())
      address_->setCurrentText(typed);
    else if (address_->count() > 0)
      address_->setCurrentIndex(address_->count() - 1);
  });
  address_->setFocus();
}

void OpenFromWebWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  guarded([&] {
    std::vector<std::string> entries;
    for (int i = 0; i < address_->count(); ++i) entries.push_back(address_->itemText(i).toStdString());
    writeLineList(local(workbench_.workFilePath(kRecentFile)), entries);
  });
  target_->clear();
  status_->clear();
}

void OpenFromWebWindow::browse() {
  const QString file = Prompter::instance().saveFileName("Save As...", target_->text(), dialogkit::kAllFilesFilter);
  if (!file.isEmpty()) target_->setText(file);
}

void OpenFromWebWindow::download() {
  if (downloading()) return;
  const QString target = target_->text();
  if (target.isEmpty()) {
    Prompter::instance().showError("Please specify a filename to save the file to.");
    return;
  }
  const QString url = address_->currentText();
  address_->addItem(url);
  address_->setCurrentText(url);
  // A target that cannot be written is known before anything is fetched.
  try {
    checkReplaceable(local(target));
  } catch (const Error& e) {
    Prompter::instance().showError(QString::fromLocal8Bit(e.what()));
    return;
  }
  const SettingsSnapshot& settings = workbench_.settings();
  HttpRequest request;
  request.url = url.trimmed().toStdString();
  request.headers = {kUserAgent, kAccept};
  request.followRedirects = true;
  request.maxRedirects = 10;
  request.certificateFile = qEnvironmentVariable("MARKLOOM_CA_FILE").toStdString();
  sizeLimitMb_ = settings.number(kWebSizeLimit).value_or(kDefaultSizeLimitMb);
  timeLimitSeconds_ = settings.number(kWebTimeLimit).value_or(kDefaultTimeLimitSeconds);
  request.totalTimeoutSeconds = timeLimitSeconds_;
  try {
    if (useProxy_->isChecked()) request.proxy = proxyFromSettings(settings);
  } catch (const Error& e) {
    Prompter::instance().showError(QString::fromLocal8Bit(e.what()));
    return;
  }
  QString error;
  if (!download_.start(request, std::uint64_t(sizeLimitMb_) << 20, &error)) {
    Prompter::instance().showError(error);
    return;
  }
  clock_.start();
  downloadTarget_ = target;
  setBusy(true);
  status_->setText("Loading");
}

void OpenFromWebWindow::abortDownload() { download_.abort(); }

void OpenFromWebWindow::setBusy(bool busy) {
  ok_->setEnabled(!busy);
  abort_->setEnabled(busy);
}

bool OpenFromWebWindow::offerReceived(const QString& why) {
  const quint64 bytes = download_.receivedBytes();
  if (bytes == 0) return false;
  // Nothing of a broken download is kept unless the user asks for it.
  const auto answer = Prompter::instance().message(
      windowTitle(), why + "\nOpen the " + QString::number(bytes) + " bytes that arrived as a new document?",
      Prompter::Icon::Question, Prompter::Buttons::YesNo);
  if (answer == Prompter::Answer::Yes) {
    DocumentWindow* doc = workbench_.createDocument();
    doc->document().loadUntitled(download_.receivedText());
  }
  return true;
}

QString OpenFromWebWindow::failureText(const HttpResult& result) const {
  if (download_.sizeLimitHit())
    return "the page is larger than the size limit of " + QString::number(sizeLimitMb_) + " MB";
  if (!download_.storeError().isEmpty()) return download_.storeError();
  // The whole-transfer limit, not a server that stopped sending.
  if (result.timedOut && clock_.elapsed() >= qint64(timeLimitSeconds_) * 1000 - 250)
    return "the page took longer than the time limit of " + QString::number(timeLimitSeconds_) + " s";
  return QString::fromStdString(result.error);
}

void OpenFromWebWindow::finishDownload(const HttpResult& result) {
  setBusy(false);
  // Taken before the window hides (hiding clears the line).
  auto keep = [this] { lastOutcome_ = status_->text(); };
  switch (result.outcome) {
    case HttpResult::Outcome::Completed:
      if (result.isHttpError()) {
        // The server's error page is not the page asked for: nothing opens,
        // the target stays as it was and the window says what went wrong.
        const QString failure =
            QString::number(result.status) + (result.reason.empty() ? "" : " " + QString::fromStdString(result.reason));
        status_->setText("Failed : " + failure);
        keep();
        workbench_.setStatusText("Open from Web failed: " + failure);
        download_.discard();
        return;
      }
      try {
        installDownloadedFile(download_.receivedFile(), static_cast<std::int64_t>(download_.receivedBytes()),
                              local(downloadTarget_));
      } catch (const Error& e) {
        status_->setText("Failed : " + QString::fromLocal8Bit(e.what()));
        keep();
        if (!offerReceived(QString::fromLocal8Bit(e.what()))) Prompter::instance().showError(QString::fromLocal8Bit(e.what()));
        download_.discard();
        return;
      }
      status_->setText("Received " + QString::number(download_.receivedBytes()) + " bytes in total.");
      keep();
      download_.discard();
      workbench_.openDocument(downloadTarget_);
      hide();
      return;
    case HttpResult::Outcome::Aborted:
      status_->setText("Aborted after " + QString::number(download_.receivedBytes()) + " bytes.");
      keep();
      offerReceived(status_->text());
      download_.discard();
      return;
    case HttpResult::Outcome::Failed: {
      const QString failure = failureText(result);
      status_->setText("Failed : " + failure);
      keep();
      workbench_.setStatusText("Open from Web failed: " + failure);
      if (!offerReceived("Open from Web failed: " + failure)) Prompter::instance().showError(failure);
      download_.discard();
      return;
    }
  }
}

}  // namespace markloom
