#include "platform/ipc/inbound_channel.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/ipc/channel_place.h"

namespace markloom {

namespace {
constexpr int kTimeoutMs = 5000;
// How long a sender waits for the editor to take a message it has sent: a
// large text takes a while to insert.
constexpr int kAnswerTimeoutMs = 120000;
constexpr std::size_t kPiece = std::size_t{1} << 20;
constexpr qint64 kLongestReply = 4096;

void answer(QLocalSocket* socket, const std::string& reply) {
  socket->write(reply.data(), static_cast<qint64>(reply.size()));
  socket->flush();
  socket->disconnectFromServer();
}

bool fromThisUser(const QLocalSocket& socket) { return peerUser(socket.socketDescriptor()) == ::geteuid(); }

// A socket file of this user's: the only thing at the channel's path that a
// new editor may remove.
bool isOwnSocket(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISSOCK(st.st_mode) && st.st_uid == ::geteuid();
}
}  // namespace

InboundChannel::InboundChannel(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
  // No socket options: with them the server is made elsewhere and renamed
  // over whatever is at the path, even a live editor's socket. The folder
  // keeps other users out, and each connection's user is checked.
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      if (!fromThisUser(*socket)) {
        socket->abort();
        socket->deleteLater();
        continue;
      }
      auto reader = std::make_shared<InboundMessageReader>(kInboundLimit);
      auto settled = std::make_shared<bool>(false);
      auto settle = [this, socket, reader, settled](InboundMessageReader::State state) {
        if (*settled) return;
        using State = InboundMessageReader::State;
        if (state == State::Failed) {
          *settled = true;
          answer(socket, inboundReplyError(reader->error()));
        } else if (state == State::Complete) {
          *settled = true;
          const std::string& payload = reader->payload();
          const QByteArray bytes(payload.data(), static_cast<qsizetype>(payload.size()));
          const QString refused = handler_ ? handler_(reader->kind(), bytes) : QString("the editor takes no messages");
          answer(socket, refused.isEmpty() ? inboundReplyOk() : inboundReplyError(refused.toStdString()));
        }
      };
      connect(socket, &QLocalSocket::readyRead, socket, [socket, reader, settle] {
        const QByteArray bytes = socket->readAll();
        settle(reader->feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
      });
      connect(socket, &QLocalSocket::disconnected, this, [this, socket, reader, settled] {
        const QByteArray rest = socket->readAll();
        reader->feed(std::string_view(rest.constData(), static_cast<std::size_t>(rest.size())));
        if (!*settled && reader->finish() == InboundMessageReader::State::Plain) {
          const std::string& text = reader->payload();
          emit received(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
        }
        socket->deleteLater();
      });
    }
  });
}

bool InboundChannel::listen(const QString& path) {
  QString name = path;
  if (name.isEmpty()) {
    const ChannelPlace place = inboundChannelPlace();
    if (place.path.isEmpty()) {
      error_ = place.error;
      return false;
    }
    name = place.path;
  }
  if (server_->listen(name)) return true;
  // Another editor of this user's answering means the channel is taken; a
  // socket of this user's that nobody answers is a leftover and can go.
  QLocalSocket probe;
  probe.connectToServer(name);
  if (probe.waitForConnected(200)) {
    error_ = fromThisUser(probe) ? "another editor holds the channel " + name
                                 : "the channel " + name + " is held by another user";
    return false;
  }
  if (!isOwnSocket(name)) {
    error_ = "something that is not this user's channel is in the way at " + name;
    return false;
  }
  QLocalServer::removeServer(name);
  if (server_->listen(name)) return true;
  error_ = server_->errorString();
  return false;
}

InboundSender::InboundSender(const QString& path) : path_(path), socket_(new QLocalSocket) {
  if (path_.isEmpty()) {
    const ChannelPlace place = inboundChannelPlace();
    path_ = place.path;
    placeError_ = place.error;
  }
}

InboundSender::~InboundSender() { delete socket_; }

bool InboundSender::connect(QString* error, int waitMs) {
  if (path_.isEmpty()) {
    if (error) *error = placeError_;
    return false;
  }
  socket_->connectToServer(path_);
  if (!socket_->waitForConnected(waitMs)) {
    if (error) *error = "no editor is running (" + socket_->errorString() + ")";
    return false;
  }
  if (!fromThisUser(*socket_)) {
    socket_->abort();
    if (error) *error = "the channel " + path_ + " belongs to another user; nothing was sent";
    return false;
  }
  return true;
}

bool InboundSender::writeAll(const std::string& bytes, QString* error) {
  qint64 written = 0;
  const auto size = static_cast<qint64>(bytes.size());
  while (written < size) {
    const qint64 n = socket_->write(bytes.data() + written, size - written);
    if (n < 0) break;
    written += n;
    while (socket_->bytesToWrite() > 0)
      if (!socket_->waitForBytesWritten(kTimeoutMs)) break;
    if (socket_->bytesToWrite() > 0) break;
  }
  if (written == size && socket_->bytesToWrite() == 0) return true;
  // The editor may have refused the message part way and said why.
  const QByteArray reply = socket_->readAll();
  if (auto problem = inboundReplyProblem(std::string_view(reply.constData(), static_cast<std::size_t>(reply.size()))))
    if (!reply.isEmpty()) {
      if (error) *error = QString::fromStdString(*problem);
      return false;
    }
  if (error) *error = "the editor stopped reading (" + socket_->errorString() + ")";
  return false;
}

bool InboundSender::finish(QString* error) {
  QByteArray reply;
  while (!reply.endsWith('\n') && reply.size() < kLongestReply) {
    if (socket_->bytesAvailable() == 0 && !socket_->waitForReadyRead(kAnswerTimeoutMs)) break;
    reply += socket_->readAll();
  }
  socket_->disconnectFromServer();
  if (auto problem = inboundReplyProblem(std::string_view(reply.constData(), static_cast<std::size_t>(reply.size())))) {
    if (error) *error = QString::fromStdString(*problem);
    return false;
  }
  return true;
}

bool InboundSender::send(InboundKind kind, const QByteArray& payload, QString* error) {
  std::string message = inboundHeader(kind);
  for (qsizetype at = 0; at < payload.size(); at += static_cast<qsizetype>(kPiece)) {
    const qsizetype n = std::min(payload.size() - at, static_cast<qsizetype>(kPiece));
    message += inboundChunk(std::string_view(payload.constData() + at, static_cast<std::size_t>(n)));
  }
  message += kInboundEnd;
  return writeAll(message, error) && finish(error);
}

bool InboundSender::send(InboundKind kind, std::FILE* input, QString* error) {
  if (!writeAll(inboundHeader(kind), error)) return false;
  std::string piece(kPiece, '\0');
  while (true) {
    const std::size_t n = std::fread(piece.data(), 1, piece.size(), input);
    if (n > 0 && !writeAll(inboundChunk(std::string_view(piece.data(), n)), error)) return false;
    if (n < piece.size()) break;
  }
  if (std::ferror(input)) {
    if (error) *error = QString("standard input could not be read: ") + std::strerror(errno);
    return false;  // closing without the end chunk makes the editor drop what it has
  }
  return writeAll(std::string(kInboundEnd), error) && finish(error);
}

}  // namespace markloom
