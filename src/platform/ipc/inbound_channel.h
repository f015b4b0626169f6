#pragma once
// The inbound text channel between processes: a per-user local socket. Each
// connection carries one message, the bytes written before the client closes.
#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;

namespace markloom {

// "markloom-plug-<uid>", or MARKLOOM_PLUG_NAME when set.
QString inboundChannelName();

class InboundChannel : public QObject {
  Q_OBJECT
 public:
  explicit InboundChannel(QObject* parent = nullptr);
  // Starts listening; false (with the reason in errorString) when the name is
  // held by a live editor. A stale socket left by a crashed run is replaced.
  bool listen(const QString& name = inboundChannelName());
  QString errorString() const { return error_; }

 signals:
  void received(const QByteArray& message);

 private:
  QLocalServer* server_;
  QString error_;
};

// Client side: delivers message; false with a reason in *error when no editor
// listens or the write fails.
bool sendToInboundChannel(const QByteArray& message, QString* error, const QString& name = inboundChannelName());

}  // namespace markloom
