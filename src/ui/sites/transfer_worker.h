#pragma once
// Runs the transfer client on a thread of its own, so the Hostdeck window
// repaints, shows progress and can cancel while the network works. Each
// request answers with done(); progress() comes during transfers.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "core/sites/remote_listing.h"
#include "platform/net/transfer_client.h"

namespace markloom {

// What an operation left behind, for the window to show.
struct TransferOutcome {
  bool ok = true;
  QString error;                     // the client's message when not ok
  QString lastResponse;              // the server's reply at the failure, or the last one
  QString connectReply;              // connect: the server's reply to the login
  bool connected = false;            // a session is open afterwards
  bool wasConnected = false;         // disconnect: a session was open
  QString folder;                    // the remote folder afterwards
  std::vector<RemoteEntry> entries;  // list
  bool cancelled = false;            // Cancel was pressed during the job
  int moved = 0;                     // batch: files moved (or removed)
  int failed = 0;                    // batch: files that failed
  QStringList problems;              // batch: one message per failure
};

class TransferWorker : public QObject {
  Q_OBJECT
 public:
  // Asked on the window's thread, with the worker waiting for the answer.
  using HostKeyQuestion = std::function<bool(const QString& host, const QString& key)>;
  using CertificateQuestion = std::function<bool(const QString& host, const QString& fingerprint, bool changed)>;

  explicit TransferWorker(QObject* parent = nullptr);
  ~TransferWorker() override;

  // Runs job on the worker's thread with the client; done() carries the outcome.
  void run(std::function<void(TransferClient&, TransferOutcome&)> job);
  // Stops the running transfer, and a batch before its next file; callable
  // from any thread.
  void cancel();
  bool cancelRequested() const { return stop_; }
  // From a job: the progress of a batch of total bytes, base of them done
  // before the file now moving; progress() then tells the batch's figures.
  void setBatch(std::uint64_t base, std::uint64_t total);
  // From a job: runs what on the window's thread and waits for it (a question).
  int askOnWindow(const std::function<int()>& what);
  // From a job: also stopped by cancel() (a publish's own connections).
  void setCancelHook(std::function<void()> hook);
  bool busy() const { return busy_; }
  void setHostKeyQuestion(HostKeyQuestion ask) { ask_ = std::move(ask); }
  void setCertificateQuestion(CertificateQuestion ask) { askCertificate_ = std::move(ask); }
  // Blocks until the last job is done (closing the window).
  void finish();

 signals:
  void done(const markloom::TransferOutcome& outcome);
  void progress(qint64 done, qint64 total);

 private:
  QThread thread_;
  QObject* runner_;  // lives on thread_
  TransferClient client_;
  // Runs question on the window's thread and waits for its answer.
  bool askOnWindowThread(const std::function<bool()>& question);

  HostKeyQuestion ask_;
  CertificateQuestion askCertificate_;
  bool busy_ = false;
  std::atomic<bool> stop_{false};
  std::atomic<std::uint64_t> batchBase_{0}, batchTotal_{0};
  std::mutex hookLock_;
  std::function<void()> cancelHook_;
};

}  // namespace markloom

Q_DECLARE_METATYPE(markloom::TransferOutcome)
