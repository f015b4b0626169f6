#include "platform/ipc/inbound_channel.h"

#include <unistd.h>
#include <QLocalServer>
#include <QLocalSocket>

namespace markloom {

namespace {
constexpr qint64 kMaxMessage = 64 * 1024 * 1024;  // refuse absurd messages
constexpr int kTimeoutMs = 5000;
}  // namespace

QString inboundChannelName() {
  const QString overridden = qEnvironmentVariable("MARKLOOM_PLUG_NAME");
  if (!overridden.isEmpty()) return overridden;
  return QString("markloom-plug-%1").arg(::getuid());
}

InboundChannel::InboundChannel(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      auto* buffer = new QByteArray;
      connect(socket, &QLocalSocket::readyRead, socket, [socket, buffer] {
        buffer->append(socket->readAll());
        if (buffer->size() > kMaxMessage) socket->abort();
      });
      connect(socket, &QLocalSocket::disconnected, this, [this, socket, buffer] {
        buffer->append(socket->readAll());
        if (buffer->size() <= kMaxMessage) emit received(*buffer);
        delete buffer;
        socket->deleteLater();
      });
    }
  });
}

bool InboundChannel::listen(const QString& name) {
  if (server_->listen(name)) return true;
  // Another editor answering means the channel is taken; otherwise the socket
  // file is a leftover and can go.
  QLocalSocket probe;
  probe.connectToServer(name);
  if (probe.waitForConnected(200)) {
    error_ = "another editor holds the channel " + name;
    return false;
  }
  QLocalServer::removeServer(name);
  if (server_->listen(name)) return true;
  error_ = server_->errorString();
  return false;
}

bool sendToInboundChannel(const QByteArray& message, QString* error, const QString& name) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(kTimeoutMs)) {
    if (error) *error = "no editor is running (" + socket.errorString() + ")";
    return false;
  }
  qint64 written = 0;
  while (written < message.size()) {
    const qint64 n = socket.write(message.constData() + written, message.size() - written);
    if (n < 0) {
      if (error) *error = socket.errorString();
      return false;
    }
    written += n;
    while (socket.bytesToWrite() > 0)
      if (!socket.waitForBytesWritten(kTimeoutMs)) {
        if (error) *error = socket.errorString();
        return false;
      }
  }
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kTimeoutMs);
  return true;
}

}  // namespace markloom
