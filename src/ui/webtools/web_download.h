#pragma once
// One download run on a worker thread, so the window and the editor stay
// responsive: the body streams to a private temporary file (memory stays flat
// whatever the page's size), progress and the end are reported on the UI
// thread. The target file is never touched here.
#include <QObject>
#include <QString>
#include <QTemporaryFile>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "platform/net/http_request.h"

namespace markloom {

class WebDownload : public QObject {
  Q_OBJECT
 public:
  explicit WebDownload(QObject* parent = nullptr);
  ~WebDownload() override;  // aborts and waits for a running transfer

  // False (with the reason in error) when the temporary file cannot be made.
  // A body longer than sizeLimit bytes is stopped there (the result then
  // fails with sizeLimitHit()).
  bool start(const HttpRequest& request, std::uint64_t sizeLimit, QString* error);
  void abort() { abort_ = true; }
  bool running() const { return thread_.joinable() && !finished_; }
  bool sizeLimitHit() const { return sizeLimitHit_; }
  // After finished: why the temporary file took no more bytes (a full disk),
  // or empty.
  QString storeError() const { return storeError_; }

  // After finished: the bytes received, and the open file that holds them
  // (read it with pread; -1 when there is none).
  std::uint64_t receivedBytes() const { return received_; }
  int receivedFile() const { return body_ ? static_cast<int>(body_->handle()) : -1; }
  // The received bytes themselves, for opening them in the editor.
  std::string receivedText() const;
  // Drops the temporary file.
  void discard() { body_.reset(); }

 signals:
  void progress(quint64 bytes);
  void finished(const markloom::HttpResult& result);

 private:
  void transfer(const HttpRequest& request, std::uint64_t sizeLimit);

  std::unique_ptr<QTemporaryFile> body_;
  std::thread thread_;
  std::atomic<bool> abort_{false};
  std::atomic<bool> finished_{false};
  std::atomic<bool> sizeLimitHit_{false};
  std::atomic<std::uint64_t> received_{0};
  std::atomic<bool> progressQueued_{false};
  QString storeError_;  // written by the transfer, read after it ended
};

}  // namespace markloom

Q_DECLARE_METATYPE(markloom::HttpResult)
