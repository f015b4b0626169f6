#include "ssh_fixture.h"

#include <pwd.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTcpSocket>
#include <QThread>

#include "http_fixture.h"

namespace markloom::test {

bool SshFixture::makeKey(const QString& name) {
  QProcess keygen;
  keygen.start("ssh-keygen", {"-q", "-t", "ed25519", "-N", "", "-f", dir_.filePath(name)});
  return keygen.waitForFinished(20000) && keygen.exitCode() == 0;
}

QString SshFixture::user() const {
  const passwd* entry = ::getpwuid(::getuid());
  return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

TransferSite SshFixture::site(const QString& knownHostsFile) const {
  TransferSite s;
  s.host = "127.0.0.1";
  s.port = port();
  s.user = user().toStdString();
  s.timeoutMs = 10000;
  s.protocol = TransferProtocol::Sftp;
  s.privateKeyFile = privateKey().toStdString();
  s.knownHostsFile = knownHostsFile.toStdString();
  return s;
}

SshFixture::SshFixture() {
  QDir().mkpath(root());
  if (!QFile::exists("/usr/sbin/sshd")) {
    problem_ = "no /usr/sbin/sshd";
    return;
  }
  if (!makeKey("host_key") || !makeKey("user_key")) {
    problem_ = "ssh-keygen failed";
    return;
  }
  QFile::copy(dir_.filePath("user_key.pub"), dir_.filePath("authorized_keys"));
  // sshd running as root wants its privilege separation folder.
  if (::geteuid() == 0) QDir().mkpath("/run/sshd");
  const int port = closedPort();
  QFile config(dir_.filePath("sshd_config"));
  if (!config.open(QIODevice::WriteOnly)) return;
  config.write(QString("Port %1\n"
                       "ListenAddress 127.0.0.1\n"
                       "HostKey %2\n"
                       "PidFile %3\n"
                       "AuthorizedKeysFile %4\n"
                       "StrictModes no\n"
                       "UsePAM no\n"
                       "PasswordAuthentication no\n"
                       "KbdInteractiveAuthentication no\n"
                       "PubkeyAuthentication yes\n"
                       "PermitRootLogin prohibit-password\n"
                       "Subsystem sftp internal-sftp\n"
                       "LogLevel ERROR\n")
                   .arg(port)
                   .arg(dir_.filePath("host_key"), dir_.filePath("sshd.pid"), dir_.filePath("authorized_keys"))
                   .toUtf8());
  config.close();
  server_.setProcessChannelMode(QProcess::MergedChannels);
  server_.start("/usr/sbin/sshd", {"-D", "-e", "-f", dir_.filePath("sshd_config")});
  if (!server_.waitForStarted(10000)) {
    problem_ = "sshd did not start";
    return;
  }
  QDeadlineTimer deadline(10000);
  while (!deadline.hasExpired() && server_.state() == QProcess::Running) {
    QTcpSocket probe;
    probe.connectToHost("127.0.0.1", static_cast<quint16>(port));
    if (probe.waitForConnected(200)) {
      port_ = port;
      return;
    }
    QThread::msleep(50);
  }
  problem_ = "sshd does not listen: " + QString::fromLocal8Bit(server_.readAll());
}

SshFixture::~SshFixture() {
  if (server_.state() != QProcess::NotRunning) {
    server_.terminate();
    if (!server_.waitForFinished(5000)) {
      server_.kill();
      server_.waitForFinished(5000);
    }
  }
}

}  // namespace markloom::test
