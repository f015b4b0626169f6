#include "http_fixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTcpServer>
#include <QThread>

#include "temp_home.h"

namespace markloom::test {

int closedPort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  const int port = probe.serverPort();
  probe.close();
  return port;
}

bool waitUntil(const std::function<bool()>& done) {
  QDeadlineTimer deadline(20000);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return done();
}

HttpFixture::HttpFixture() {
  // A self-signed certificate for "localhost", made for this run only.
  QProcess openssl;
  openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=localhost",
                            "-addext", "subjectAltName=DNS:localhost", "-keyout", dir_.filePath("key.pem"), "-out",
                            dir_.filePath("cert.pem")});
  const bool haveCert = openssl.waitForFinished(30000) && openssl.exitCode() == 0;
  QStringList args{sourceDir() + "/tests/support/http_fixture.py", dir_.filePath("requests.log")};
  if (haveCert) args << dir_.filePath("cert.pem") << dir_.filePath("key.pem");
  server_.start("/usr/bin/python3", args);
  if (!server_.waitForStarted(10000)) return;
  if (!server_.waitForReadyRead(10000)) return;
  const QStringList ports = QString::fromLatin1(server_.readLine()).trimmed().split(' ');
  if (ports.size() == 3 && ports[0] == "PORTS") {
    httpPort_ = ports[1].toInt();
    httpsPort_ = ports[2].toInt();
  }
}

HttpFixture::~HttpFixture() {
  if (server_.state() != QProcess::NotRunning) {
    server_.kill();
    server_.waitForFinished(5000);
  }
}

QString HttpFixture::url(const QString& path) const {
  return QString("http://127.0.0.1:%1%2").arg(httpPort_).arg(path);
}

QString HttpFixture::secureUrl(const QString& path) const {
  return QString("https://localhost:%1%2").arg(httpsPort_).arg(path);
}

QStringList HttpFixture::log() const {
  QFile f(dir_.filePath("requests.log"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

}  // namespace markloom::test
