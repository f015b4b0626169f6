// The Hostdeck window's Publish Site: sends the local pane's folder to the
// remote pane's folder, new and changed files only, as markloom-cli publish does.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>

#include "core/common/error.h"
#include "platform/net/site_publisher.h"
#include "ui/common/prompter.h"
#include "ui/sites/file_pane.h"
#include "ui/sites/hostdeck_window.h"
#include "ui/sites/transfer_worker.h"

namespace markloom {

void HostdeckWindow::publishSite() {
  if (busy() || !connected_) return;
  const QString local = local_->folder();
  const QString remote = remote_->folder();
  const auto answer = Prompter::instance().message(
      "Publish Site",
      QString("Send the new and changed files of %1 to %2 on %3?\n\nYes: also delete files on the server that are "
              "no longer here\nNo: only send")
          .arg(local, remote, host_),
      Prompter::Icon::Question, Prompter::Buttons::YesNoCancel);
  if (answer == Prompter::Answer::Cancel) return;
  PublishOptions options;
  options.removeMissing = answer == Prompter::Answer::Yes;
  options.remoteFolder = remote.toStdString();
  options.mode = mode_;
  options.textExtensions = textExtensions_;
  statusText_->setText("Publishing");
  addLog(QString("Publishing %1 to %2").arg(local, remote));
  progress_->setValue(0);
  const TransferSite site = site_;
  TransferWorker* worker = worker_;
  runJob(
      [=, this](TransferClient& client, TransferOutcome& outcome) {
        SitePublisher publisher(site, QFile::encodeName(local).toStdString(), options);
        publisher.setProgress([worker](std::uint64_t done, std::uint64_t total) { worker->setBatch(done, total); });
        worker->setCancelHook([&publisher] { publisher.cancel(); });
        // Unhooked before the publisher goes, whichever way the job ends.
        struct Unhook {
          TransferWorker* worker;
          ~Unhook() { worker->setCancelHook(nullptr); }
        } unhook{worker};
        auto log = [this](const std::string& line) {
          QMetaObject::invokeMethod(this, [this, line = QString::fromStdString(line)] { addLog(line); });
        };
        const PublishReport report = publisher.run(log, [&](const std::string& line) {
          outcome.problems << QString::fromStdString(line);
        });
        outcome.moved = report.sent;
        outcome.failed = report.failed;
        log(report.summary());
        outcome.entries = client.list();
      },
      [this](const TransferOutcome& outcome) {
        finishBatch(outcome, "Published");
        if (outcome.connected) showRemote(outcome);
      });
}

}  // namespace markloom
