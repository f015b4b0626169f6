#include "ui/sites/transfer_worker.h"

#include <QMetaObject>

#include "core/common/error.h"

namespace markloom {

TransferWorker::TransferWorker(QObject* parent) : QObject(parent), runner_(new QObject) {
  qRegisterMetaType<TransferOutcome>();
  runner_->moveToThread(&thread_);
  connect(&thread_, &QThread::finished, runner_, &QObject::deleteLater);
  client_.setProgress([this](std::uint64_t doneBytes, std::uint64_t total) {
    const std::uint64_t batch = batchTotal_;
    if (batch > 0)
      emit progress(static_cast<qint64>(batchBase_ + doneBytes), static_cast<qint64>(batch));
    else
      emit progress(static_cast<qint64>(doneBytes), static_cast<qint64>(total));
  });
  client_.setHostKeyQuestion([this](const std::string& host, const std::string& key) {
    return ask_ && askOnWindowThread([&] { return ask_(QString::fromStdString(host), QString::fromStdString(key)); });
  });
  client_.setCertificateQuestion([this](const std::string& host, const std::string& fingerprint, bool changed) {
    return askCertificate_ && askOnWindowThread([&] {
             return askCertificate_(QString::fromStdString(host), QString::fromStdString(fingerprint), changed);
           });
  });
  thread_.start();
}

void TransferWorker::cancel() {
  stop_ = true;
  client_.cancel();
  std::lock_guard lock(hookLock_);
  if (cancelHook_) cancelHook_();
}

void TransferWorker::setBatch(std::uint64_t base, std::uint64_t total) {
  batchBase_ = base;
  batchTotal_ = total;
  if (total > 0) emit progress(static_cast<qint64>(base), static_cast<qint64>(total));
}

void TransferWorker::setCancelHook(std::function<void()> hook) {
  std::lock_guard lock(hookLock_);
  cancelHook_ = std::move(hook);
}

int TransferWorker::askOnWindow(const std::function<int()>& what) {
  int answer = 0;
  QMetaObject::invokeMethod(
      this, [&] { answer = what(); }, Qt::BlockingQueuedConnection);
  return answer;
}

bool TransferWorker::askOnWindowThread(const std::function<bool()>& question) {
  bool answer = false;
  QMetaObject::invokeMethod(
      this, [&] { answer = question(); }, Qt::BlockingQueuedConnection);
  return answer;
}

TransferWorker::~TransferWorker() {
  client_.cancel();
  thread_.quit();
  thread_.wait();
}

void TransferWorker::run(std::function<void(TransferClient&, TransferOutcome&)> job) {
  busy_ = true;
  stop_ = false;
  QMetaObject::invokeMethod(runner_, [this, job = std::move(job)] {
    TransferOutcome outcome;
    try {
      job(client_, outcome);
    } catch (const std::exception& e) {
      outcome.ok = false;
      outcome.error = QString::fromLocal8Bit(e.what());
      outcome.lastResponse = QString::fromStdString(client_.lastResponse());
    }
    if (outcome.lastResponse.isEmpty()) outcome.lastResponse = QString::fromStdString(client_.lastResponse());
    setBatch(0, 0);
    setCancelHook(nullptr);
    outcome.cancelled = outcome.cancelled || stop_;
    outcome.connected = client_.connected();
    outcome.folder = QString::fromStdString(client_.currentFolder());
    QMetaObject::invokeMethod(this, [this, outcome] {
      busy_ = false;
      emit done(outcome);
    });
  });
}

void TransferWorker::finish() {
  cancel();
  // Run an empty job and wait for it: everything before it is then done.
  QMetaObject::invokeMethod(
      runner_, [] {}, Qt::BlockingQueuedConnection);
}

}  // namespace markloom
