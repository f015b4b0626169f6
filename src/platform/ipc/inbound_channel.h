#pragma once
// The inbound channel between processes: a per-user local socket that carries
// text for the active document and files to open (the message form is in
// core/workspace/inbound_message.h). Where it lives and whom it trusts:
// platform/ipc/channel_place.h.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdio>
#include <functional>

#include "core/workspace/inbound_message.h"

class QLocalServer;
class QLocalSocket;

namespace markloom {

// The largest message the editor takes: beyond it the sender is told why.
inline constexpr std::size_t kInboundLimit = std::size_t{1} << 30;

class InboundChannel : public QObject {
  Q_OBJECT
 public:
  // Takes a complete framed message; returns an empty string when it was
  // taken, otherwise the reason it was not, which the sender is told.
  using Handler = std::function<QString(InboundKind, const QByteArray&)>;

  explicit InboundChannel(QObject* parent = nullptr);
  // Starts listening at path (empty: the user's channel place); false, with
  // the reason in errorString, when there is no safe place or a live editor
  // holds the socket. A stale socket of this user's, left by a crashed run, is
  // replaced; anything else at the path is left alone. Connections from
  // another user's processes are dropped unread.
  bool listen(const QString& path = {});
  QString errorString() const { return error_; }
  void setHandler(Handler handler) { handler_ = std::move(handler); }

 signals:
  // Plain text of a sender that does not frame its message.
  void received(const QByteArray& message);

 private:
  QLocalServer* server_;
  QString error_;
  Handler handler_;
};

// Client side. Connects to the running editor; false with the reason in
// *error when none listens, when there is no safe place for the channel, or
// when the process at the other end is another user's (nothing is sent then).
class InboundSender {
 public:
  // path empty: the user's channel place.
  explicit InboundSender(const QString& path = {});
  ~InboundSender();
  InboundSender(const InboundSender&) = delete;
  InboundSender& operator=(const InboundSender&) = delete;

  // waitMs bounds the wait for an editor to accept the connection.
  bool connect(QString* error, int waitMs = 5000);
  // Sends a whole message and waits for the editor's answer: true when it took
  // the message, otherwise false with the editor's reason or the failure.
  bool send(InboundKind kind, const QByteArray& payload, QString* error);
  // The same, reading the payload from a stream in pieces, so a message of any
  // size never needs to be held here.
  bool send(InboundKind kind, std::FILE* input, QString* error);

 private:
  bool writeAll(const std::string& bytes, QString* error);
  bool finish(QString* error);

  QString path_;
  QString placeError_;
  QLocalSocket* socket_;
};

}  // namespace markloom
