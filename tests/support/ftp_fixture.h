#pragma once
// The FTP fixture server (ftp_fixture.py, pyftpdlib) for one test: on
// 127.0.0.1 and a free port, user "web" with password "secret", rooted at a
// temporary folder; with tls set, explicit TLS is required, with a certificate
// made for the run. Stopped (by its process id) when the fixture ends.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace markloom::test {

class FtpFixture {
 public:
  // loginFolder: where a login starts ("/www"), below the root; "" is the root.
  explicit FtpFixture(bool tls = false, const QString& loginFolder = {});
  ~FtpFixture();
  bool running() const { return port_ > 0; }
  int port() const { return port_; }
  // The server's root folder, with a trailing '/'.
  QString root() const { return dir_.filePath("root") + "/"; }
  QString certificate() const { return dir_.filePath("cert.pem"); }
  // One line per connection ("CONNECT"), login ("LOGIN web") and command ("COMMAND RETR").
  QStringList log() const;

 private:
  QTemporaryDir dir_;
  QProcess server_;
  int port_ = 0;
};

}  // namespace markloom::test
