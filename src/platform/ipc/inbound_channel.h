#pragma once
// The inbound channel between processes: a per-user local socket that carries
// text for the active document and files to open (the message form is in
// core/workspace/inbound_message.h).
#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdio>
#include <functional>

#include "core/workspace/inbound_message.h"

class QLocalServer;
class QLocalSocket;

namespace markloom {

// "markloom-plug-<uid>", or MARKLOOM_PLUG_NAME when set.
QString inboundChannelName();

// The largest message the editor takes: beyond it the sender is told why.
inline constexpr std::size_t kInboundLimit = std::size_t{1} << 30;

class InboundChannel : public QObject {
  Q_OBJECT
 public:
  // Takes a complete framed message; returns an empty string when it was
  // taken, otherwise the reason it was not, which the sender is told.
  using Handler = std::function<QString(InboundKind, const QByteArray&)>;

  explicit InboundChannel(QObject* parent = nullptr);
  // Starts listening; false (with the reason in errorString) when the name is
  // held by a live editor. A stale socket left by a crashed run is replaced.
  bool listen(const QString& name = inboundChannelName());
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
// *error when none listens.
class InboundSender {
 public:
  explicit InboundSender(const QString& name = inboundChannelName());
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

  QString name_;
  QLocalSocket* socket_;
};

}  // namespace markloom
