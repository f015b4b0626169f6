#pragma once
// An OpenSSH server for one test, serving SFTP on 127.0.0.1 and a free port:
// a host key and a user key made for the run, the user key authorised for the
// user running the test, no password logins. Stopped by its process id.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include "platform/net/transfer_client.h"

namespace markloom::test {

class SshFixture {
 public:
  SshFixture();
  ~SshFixture();
  bool running() const { return port_ > 0; }
  int port() const { return port_; }
  QString user() const;
  QString privateKey() const { return dir_.filePath("user_key"); }
  // A folder to work in, with a trailing '/'.
  QString root() const { return dir_.filePath("root") + "/"; }
  // A site that logs in here with the user key, checking the host key
  // against knownHostsFile.
  TransferSite site(const QString& knownHostsFile) const;
  // Why the server did not start, when it did not.
  QString problem() const { return problem_; }

 private:
  bool makeKey(const QString& name);
  QTemporaryDir dir_;
  QProcess server_;
  int port_ = 0;
  QString problem_;
};

}  // namespace markloom::test
