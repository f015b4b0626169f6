#include "ui/webtools/web_download.h"

#include <QDir>
#include <QMetaObject>
#include <exception>

#include "platform/net/http_client.h"

namespace markloom {

WebDownload::WebDownload(QObject* parent) : QObject(parent) {}

WebDownload::~WebDownload() {
  abort_ = true;
  if (thread_.joinable()) thread_.join();
}

bool WebDownload::start(const HttpRequest& request, std::uint64_t sizeLimit, QString* error) {
  if (thread_.joinable()) thread_.join();
  // Owner-only, in the user's temporary folder: it may hold a private page.
  body_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/markloom-download-XXXXXX");
  if (!body_->open()) {
    if (error) *error = body_->errorString();
    body_.reset();
    return false;
  }
  abort_ = false;
  finished_ = false;
  sizeLimitHit_ = false;
  storeError_.clear();
  received_ = 0;
  thread_ = std::thread([this, request, sizeLimit] { transfer(request, sizeLimit); });
  return true;
}

void WebDownload::transfer(const HttpRequest& request, std::uint64_t sizeLimit) {
  HttpResult result;
  // Nothing may leave a thread of its own: whatever goes wrong ends the
  // download as a failure the window reports.
  try {
    HttpClient client;
    QTemporaryFile* body = body_.get();
    result = client.get(
        request,
        [&](std::string_view piece) {
          if (received_ + piece.size() > sizeLimit) {
            sizeLimitHit_ = true;
            return false;
          }
          if (body->write(piece.data(), static_cast<qint64>(piece.size())) != static_cast<qint64>(piece.size())) {
            storeError_ = "The page could not be stored in " + body->fileName() + ": " + body->errorString();
            return false;
          }
          received_ += piece.size();
          // One progress report waiting at a time, however fast bytes come.
          if (!progressQueued_.exchange(true))
            QMetaObject::invokeMethod(
                this,
                [this] {
                  progressQueued_ = false;
                  emit progress(received_);
                },
                Qt::QueuedConnection);
          return true;
        },
        &abort_);
    if (!body->flush() && result.outcome == HttpResult::Outcome::Completed) {
      result.outcome = HttpResult::Outcome::Failed;
      result.error = body->errorString().toStdString();
    }
  } catch (const std::exception& e) {
    result.outcome = HttpResult::Outcome::Failed;
    result.error = e.what();
  } catch (...) {
    result.outcome = HttpResult::Outcome::Failed;
    result.error = "The download stopped unexpectedly.";
  }
  QMetaObject::invokeMethod(
      this,
      [this, result] {
        if (thread_.joinable()) thread_.join();
        finished_ = true;
        emit finished(result);
      },
      Qt::QueuedConnection);
}

std::string WebDownload::receivedText() const {
  if (!body_) return {};
  QFile copy(body_->fileName());
  if (!copy.open(QIODevice::ReadOnly)) return {};
  std::string bytes(static_cast<std::size_t>(received_), '\0');
  const qint64 got = copy.read(bytes.data(), static_cast<qint64>(bytes.size()));
  bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return bytes;
}

}  // namespace markloom
