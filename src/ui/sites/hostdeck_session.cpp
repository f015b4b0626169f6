// The Hostdeck window's session: connecting, the two panes, transfers.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QWidget>

#include "core/common/error.h"
#include "core/text/whole_number.h"
#include "platform/net/trusted_certificates_file.h"
#include "ui/common/prompter.h"
#include "ui/sites/file_pane.h"
#include "ui/sites/hostdeck_window.h"
#include "ui/sites/transfer_worker.h"

namespace markloom {

QString HostdeckWindow::trustedCertificatesFile() { return markloom::trustedCertificatesFile(); }

namespace {
std::string text(const QString& s) { return s.toStdString(); }

TransferProtocol protocolOf(const std::string& name) {
  if (name == "FTPS") return TransferProtocol::Ftps;
  if (name == "SFTP") return TransferProtocol::Sftp;
  return TransferProtocol::Ftp;
}
}  // namespace

void HostdeckWindow::runJob(std::function<void(TransferClient&, TransferOutcome&)> job,
                            std::function<void(const TransferOutcome&)> whenDone) {
  QApplication::setOverrideCursor(Qt::BusyCursor);
  whenDone_ = std::move(whenDone);
  const TransferMode mode = mode_;
  worker_->run([mode, extensions = textExtensions_, job = std::move(job)](TransferClient& client,
                                                                          TransferOutcome& outcome) {
    client.setTransferMode(mode);
    client.setTextExtensions(extensions);
    job(client, outcome);
  });
  updateCommands();
}

void HostdeckWindow::connectToSite() {
  if (busy()) return;
  startConnect(true);
}

void HostdeckWindow::connectFromServerField() {
  if (busy()) return;
  startConnect(false);
}

void HostdeckWindow::startConnect(bool hidePanel) {
  const SiteProfile profile = fields();
  TransferSite site;
  // A port or time-out that is not a whole number stops here, before anything is sent.
  try {
    site.port = wholeNumber(profile.port, TrailingBlanks::Refused);
    site.timeoutMs = wholeNumber(profile.timeout, TrailingBlanks::Refused);
  } catch (const Error& e) {
    Prompter::instance().showError(QString::fromLocal8Bit(e.what()));
    return;
  }
  if (site.timeoutMs < 0 || site.port < 0 || site.port > 65535) {
    Prompter::instance().showError(
        QString("'%1' is out of range")
            .arg(QString::fromStdString(site.timeoutMs < 0 ? profile.timeout : profile.port)));
    return;
  }
  site.host = profile.host;
  site.user = profile.user;
  site.password = profile.password;
  site.protocol = protocolOf(profile.protocol);
  site.certificateFile = qEnvironmentVariable("MARKLOOM_CA_FILE").toStdString();
  site.trustedCertificatesFile = trustedCertificatesFile().toStdString();
  QDir().mkpath(QFileInfo(trustedCertificatesFile()).path());
  std::optional<ServerType> type;
  if (profile.serverType == "Unix") type = ServerType::Unix;
  if (profile.serverType == "Other") type = ServerType::Unknown;
  if (hidePanel) profilePanel_->hide();
  const QString host = QString::fromStdString(site.host);
  runJob(
      [site, type](TransferClient& client, TransferOutcome& outcome) {
        // The type goes first: while a session is open it is refused, and
        // that session stays as it was, its folder listed again.
        if (type) {
          try {
            client.setServerType(*type);
          } catch (const Error& e) {
            outcome.ok = false;
            outcome.error = QString::fromLocal8Bit(e.what());
            if (client.connected()) outcome.entries = client.list();
            return;
          }
        }
        client.disconnect();
        client.connect(site);
        outcome.connectReply = QString::fromStdString(client.lastResponse());
        outcome.entries = client.list();
      },
      [this, host, site](const TransferOutcome& outcome) {
        if (!outcome.connected) {
          connected_ = false;
          remote_->clear();
          // The fields come back as typed, to be corrected.
          profilePanel_->show();
        } else {
          site_ = site;
        }
        if (!outcome.ok) {
          addLog(outcome.error);
          if (!outcome.connected) return;
        }
        // A refused request leaves the old session: nothing new to announce.
        if (!outcome.connectReply.isEmpty() && (!connected_ || host != host_)) {
          connected_ = true;
          host_ = host;
          addLog(outcome.connectReply);
          addLog(QString("Connected to %1").arg(host));
        }
        if (outcome.connected) showRemote(outcome);
      });
  remote_->clear();
}

void HostdeckWindow::disconnectFromSite() {
  if (busy()) return;
  runJob(
      [](TransferClient& client, TransferOutcome& outcome) {
        outcome.wasConnected = client.disconnect();
        client.startInLoginFolder();
      },
      [this](const TransferOutcome& outcome) {
        afterDisconnect(outcome.wasConnected);
        // The command's own steps, after the event's.
        addLog(QString("Disconnected from %1").arg(host_.isEmpty() ? QString::fromStdString(fields().host) : host_));
        progress_->setValue(0);
        remote_->setFolder("/");
        refreshRemote();
        profilePanel_->show();
      });
}

void HostdeckWindow::afterDisconnect(bool wasConnected) {
  connected_ = false;
  remote_->clear();
  remote_->setFolder("/");
  if (wasConnected) addLog(QString("Disconnected from %1").arg(host_));
}

void HostdeckWindow::showRemote(const TransferOutcome& outcome) {
  remote_->setFolder(outcome.folder);
  remote_->setEntries(outcome.entries);
}

void HostdeckWindow::refreshRemote() {
  if (busy()) return;
  remote_->clear();
  if (!connected_) {
    updateCommands();
    return;
  }
  runJob([](TransferClient& client, TransferOutcome& outcome) { outcome.entries = client.list(); },
         [this](const TransferOutcome& outcome) {
           if (outcome.ok)
             showRemote(outcome);
           else
             addLog(outcome.error);
         });
}

void HostdeckWindow::runRemoteChange(std::function<void(TransferClient&)> change) {
  runJob(
      [change = std::move(change)](TransferClient& client, TransferOutcome& outcome) {
        change(client);
        outcome.entries = client.list();
      },
      [this](const TransferOutcome& outcome) {
        // A refused change shows its message; the panes stay as they were.
        if (!outcome.ok) {
          Prompter::instance().showError(outcome.error);
          return;
        }
        showRemote(outcome);
      });
}

void HostdeckWindow::changeRemoteFolder(const QString& path) {
  if (busy() || !connected_) return;
  runRemoteChange([path](TransferClient& client) { client.changeFolder(text(path)); });
}

void HostdeckWindow::setLocalFolder(const QString& folder) {
  local_->setFolder(QDir(folder).absolutePath());
  refreshLocal();
}

void HostdeckWindow::changeLocalFolder(const QString& folder) { setLocalFolder(folder); }

void HostdeckWindow::refreshLocal() {
  std::vector<RemoteEntry> entries;
  // Hidden and system entries too; a folder that cannot be read lists nothing.
  const QFileInfoList infos =
      QDir(local_->folder()).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QFileInfo& info : infos) {
    const QDateTime when = info.lastModified();
    const QDate d = when.date();
    const QTime t = when.time();
    entries.push_back({info.fileName().toStdString(),
                       info.isDir(),
                       static_cast<std::uint64_t>(info.size()),
                       {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()}});
  }
  local_->setEntries(entries);
  updateCommands();
}

void HostdeckWindow::logTransferFailure(const TransferOutcome& outcome) {
  if (outcome.ok) return;
  addLog(outcome.error);
  addLog(outcome.lastResponse);
}

void HostdeckWindow::makeRemoteFolder() {
  if (busy() || !connected_) return;
  const auto name = Prompter::instance().inputText("Create Remote Directory", "Name:", "");
  if (!name) return;  // cancelled: nothing is sent
  runRemoteChange([name = *name](TransferClient& client) { client.makeFolder(text(name)); });
}

void HostdeckWindow::renameRemoteFile() {
  if (busy() || !connected_) return;
  const QString from = remote_->selectedName();
  if (from.isEmpty()) return;
  const auto to = Prompter::instance().inputText("Rename File", "Name:", "");
  if (!to) return;
  // The listing is read again: a stale name would only fail later.
  runRemoteChange([from, to = *to](TransferClient& client) { client.rename(text(from), text(to)); });
}

void HostdeckWindow::cancelTransfer() { worker_->cancel(); }

void HostdeckWindow::refreshBoth() {
  refreshLocal();
  refreshRemote();
}

}  // namespace markloom
