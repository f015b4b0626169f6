#pragma once
// One download run on a worker thread, so the window and the editor stay
// responsive: the body goes to a private temporary file, progress and the end
// are reported on the UI thread. The target file is never touched here.
#include <QObject>
#include <QString>
#include <QTemporaryFile>
#include <atomic>
#include <memory>
#include <thread>

#include "platform/net/http_request.h"

namespace markloom {

class WebDownload : public QObject {
  Q_OBJECT
 public:
  explicit WebDownload(QObject* parent = nullptr);
  ~WebDownload() override;  // aborts and waits for a running transfer

  // False (with the reason in error) when the temporary file cannot be made.
  bool start(const HttpRequest& request, QString* error);
  void abort() { abort_ = true; }
  bool running() const { return thread_.joinable() && !finished_; }
  // The bytes received so far (after finished: all of them).
  QByteArray received() const;

 signals:
  void progress(quint64 bytes);
  void finished(const markloom::HttpResult& result);

 private:
  std::unique_ptr<QTemporaryFile> body_;
  std::thread thread_;
  std::atomic<bool> abort_{false};
  std::atomic<bool> finished_{false};
};

}  // namespace markloom

Q_DECLARE_METATYPE(markloom::HttpResult)
