#include "ftp_fixture.h"

#include <QDir>
#include <QFile>

#include "temp_home.h"

namespace markloom::test {

FtpFixture::FtpFixture(bool tls, const QString& loginFolder) {
  QDir().mkpath(root());
  if (!loginFolder.isEmpty()) {
    QDir().mkpath(root() + loginFolder.mid(1));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FIXTURE_LOGIN_FOLDER", loginFolder);
    server_.setProcessEnvironment(environment);
  }
  QStringList args{sourceDir() + "/tests/support/ftp_fixture.py", root(), dir_.filePath("server.log")};
  if (tls) {
    QProcess openssl;
    openssl.start("openssl",
                  {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=localhost", "-addext",
                   "subjectAltName=DNS:localhost", "-keyout", dir_.filePath("key.pem"), "-out", certificate()});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) return;
    args << certificate() << dir_.filePath("key.pem");
  }
  server_.start("/usr/bin/python3", args);
  if (!server_.waitForStarted(10000)) return;
  // The line may arrive in pieces.
  while (!server_.canReadLine())
    if (!server_.waitForReadyRead(10000)) return;
  const QStringList words = QString::fromLatin1(server_.readLine()).trimmed().split(' ');
  if (words.size() == 2 && words[0] == "PORT") port_ = words[1].toInt();
}

FtpFixture::~FtpFixture() {
  if (server_.state() != QProcess::NotRunning) {
    server_.kill();
    server_.waitForFinished(5000);
  }
}

QStringList FtpFixture::log() const {
  QFile f(dir_.filePath("server.log"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

}  // namespace markloom::test
