#include "platform/net/tls_peer_probe.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>

namespace markloom {

namespace {

// The last line of the next reply ("NNN text"); empty when none came in time.
QByteArray readReply(QSslSocket& socket, const QElapsedTimer& clock, int timeoutMs) {
  while (clock.elapsed() < timeoutMs) {
    while (socket.canReadLine()) {
      const QByteArray line = socket.readLine(4096).trimmed();
      if (line.size() >= 4 && line[3] == ' ') return line;
    }
    if (!socket.waitForReadyRead(static_cast<int>(std::max<qint64>(1, timeoutMs - clock.elapsed())))) break;
  }
  return {};
}

}  // namespace

TlsPeer probeFtpsPeer(const std::string& host, int port, int timeoutMs) {
  TlsPeer peer;
  QElapsedTimer clock;
  clock.start();
  QSslSocket socket;
  socket.setPeerVerifyMode(QSslSocket::QueryPeer);  // read the certificate whatever it is
  socket.connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
  if (!socket.waitForConnected(timeoutMs)) {
    peer.error = socket.errorString().toStdString();
    return peer;
  }
  if (!readReply(socket, clock, timeoutMs).startsWith("220")) {
    peer.error = "no greeting from the server";
    return peer;
  }
  socket.write("AUTH TLS\r\n");
  if (!readReply(socket, clock, timeoutMs).startsWith("234")) {
    peer.error = "the server does not offer TLS";
    return peer;
  }
  socket.setPeerVerifyName(QString::fromStdString(host));
  socket.startClientEncryption();
  if (!socket.waitForEncrypted(static_cast<int>(std::max<qint64>(1, timeoutMs - clock.elapsed())))) {
    peer.error = socket.errorString().toStdString();
    return peer;
  }
  const QSslCertificate certificate = socket.peerCertificate();
  socket.abort();
  if (certificate.isNull()) {
    peer.error = "the server sent no certificate";
    return peer;
  }
  peer.fingerprint = certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper().toStdString();
  peer.publicKeyPin =
      "sha256//" +
      QCryptographicHash::hash(certificate.publicKey().toDer(), QCryptographicHash::Sha256).toBase64().toStdString();
  const QStringList names = certificate.subjectInfo(QSslCertificate::CommonName);
  peer.subject = names.isEmpty() ? std::string() : names.first().toStdString();
  return peer;
}

}  // namespace markloom
