#include "ui/webtools/web_download.h"

#include <QDir>
#include <QMetaObject>

#include "platform/net/http_client.h"

namespace markloom {

WebDownload::WebDownload(QObject* parent) : QObject(parent) {}

WebDownload::~WebDownload() {
  abort_ = true;
  if (thread_.joinable()) thread_.join();
}

bool WebDownload::start(const HttpRequest& request, QString* error) {
  if (thread_.joinable()) thread_.join();
  // Owner-only, in the user's temporary folder: it may hold a private page.
  body_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/markloom-download-XXXXXX");
  if (!body_->open()) {
    if (error) *error = body_->errorString();
    return false;
  }
  abort_ = false;
  finished_ = false;
  QTemporaryFile* body = body_.get();
  thread_ = std::thread([this, request, body] {
    HttpClient client;
    quint64 total = 0;
    const HttpResult result = client.get(
        request,
        [&](std::string_view piece) {
          if (body->write(piece.data(), static_cast<qint64>(piece.size())) != static_cast<qint64>(piece.size()))
            return false;
          total += piece.size();
          QMetaObject::invokeMethod(
              this, [this, total] { emit progress(total); }, Qt::QueuedConnection);
          return true;
        },
        &abort_);
    body->flush();
    QMetaObject::invokeMethod(
        this,
        [this, result] {
          if (thread_.joinable()) thread_.join();
          finished_ = true;
          emit finished(result);
        },
        Qt::QueuedConnection);
  });
  return true;
}

QByteArray WebDownload::received() const {
  if (!body_) return {};
  QFile copy(body_->fileName());
  if (!copy.open(QIODevice::ReadOnly)) return {};
  return copy.readAll();
}

}  // namespace markloom
