// markloom-cli publish against the fixture FTP, FTPS and SFTP servers on
// 127.0.0.1: a nested site sent whole, a second run sending nothing, edits,
// --delete, --dry-run, several connections, and the exit statuses.
#include <gtest/gtest.h>
#include <utime.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <ctime>

#include "cli_run.h"
#include "ftp_fixture.h"
#include "platform/net/transfer_client.h"
#include "ssh_fixture.h"
#include "temp_home.h"

namespace markloom {
namespace {

using test::readBytes;
using test::runCli;

// Writes a file, making its folders first.
void writeBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  test::writeBytes(path, bytes);
}

// Bytes an ASCII transfer would change (CR LF pairs, lone CRs and LFs).
QByteArray imageBytes(int seed) {
  QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
  for (int i = 0; i < 3000; ++i) bytes.append(static_cast<char>((i * 37 + seed) & 0xff));
  return bytes + "\r\r\n\n";
}

void setModified(const QString& path, std::time_t when) {
  const struct utimbuf times {when, when};
  ASSERT_EQ(::utime(QFile::encodeName(path).constData(), &times), 0);
}

using Lines = std::vector<std::string>;
Lines lines(const QByteArray& out) {
  Lines result;
  for (const QString& line : QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts)) result.push_back(line.toStdString());
  return result;
}

// A small nested site, its files all a minute old.
void makeSite(const QString& site) {
  writeBytes(site + "/index.html", "<p>home</p>\n");
  writeBytes(site + "/css/site.css", "p{}\n");
  writeBytes(site + "/img/logo.png", imageBytes(1));
  writeBytes(site + "/img/icons/a b.png", imageBytes(2));
  for (const char* f : {"/index.html", "/css/site.css", "/img/logo.png", "/img/icons/a b.png"})
    setModified(site + f, std::time(nullptr) - 60);
}

class PublishCli : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.running());
    qputenv("MARKLOOM_PASSWORD", "secret");
    makeSite(site());
  }
  void TearDown() override { qunsetenv("MARKLOOM_PASSWORD"); }
  QString site() const { return local.path() + "/site"; }
  QString url() const { return QString("ftp://web@127.0.0.1:%1/").arg(server.port()); }
  // The site as the server holds it: in the login folder /www.
  QString remote(const QString& relative) const { return server.root() + "www/" + relative; }

  test::TempHome home;
  test::FtpFixture server{false, "/www"};
  QTemporaryDir local;
};

TEST_F(PublishCli, ANestedSiteGoesWholeThenOnlyWhatChanged) {
  const test::CliRun first = runCli({"publish", site(), url()});
  ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
  EXPECT_EQ(lines(first.out),
            Lines({"mkdir css", "mkdir img", "mkdir img/icons", "put css/site.css", "put img/icons/a b.png",
                         "put img/logo.png", "put index.html",
                         "4 sent (6040 bytes), 3 folders made, 0 removed, 0 unchanged, 0 failed"}));
  EXPECT_EQ(readBytes(remote("img/logo.png")), imageBytes(1)) << "binary files arrive byte for byte by default";
  EXPECT_EQ(readBytes(remote("img/icons/a b.png")), imageBytes(2));
  EXPECT_EQ(readBytes(remote("index.html")), "<p>home</p>\n");
  EXPECT_FALSE(QFile::exists(server.root() + "index.html")) << "the site goes to the login folder, not /";

  const test::CliRun second = runCli({"publish", site(), url()});
  EXPECT_EQ(second.exitCode, 0);
  EXPECT_EQ(lines(second.out), Lines{"0 sent (0 bytes), 0 folders made, 0 removed, 4 unchanged, 0 failed"});

  writeBytes(site() + "/css/site.css", "p{color:red}\n");
  const test::CliRun edited = runCli({"publish", site(), url()});
  EXPECT_EQ(lines(edited.out),
            Lines({"put css/site.css", "1 sent (13 bytes), 0 folders made, 0 removed, 3 unchanged, 0 failed"}));
  EXPECT_EQ(readBytes(remote("css/site.css")), "p{color:red}\n");
}

TEST_F(PublishCli, DeleteRemovesWhatIsGoneAndDryRunChangesNothing) {
  ASSERT_EQ(runCli({"publish", site(), url()}).exitCode, 0);
  ASSERT_TRUE(QDir(site() + "/img").removeRecursively());
  writeBytes(site() + "/new.html", "new");
  writeBytes(remote("stray.txt"), "left by someone");

  const test::CliRun dry = runCli({"publish", "--dry-run", "--delete", site(), url()});
  EXPECT_EQ(dry.exitCode, 0);
  EXPECT_EQ(lines(dry.out),
            Lines({"delete img/icons/a b.png", "delete img/icons", "delete img/logo.png", "delete img",
                         "delete stray.txt", "put new.html",
                         "1 sent (3 bytes), 0 folders made, 5 removed, 2 unchanged, 0 failed (dry run: nothing changed)"}));
  EXPECT_TRUE(QFile::exists(remote("img/icons/a b.png")));
  EXPECT_TRUE(QFile::exists(remote("stray.txt")));
  EXPECT_FALSE(QFile::exists(remote("new.html")));

  const test::CliRun kept = runCli({"publish", site(), url()});
  EXPECT_TRUE(QFile::exists(remote("stray.txt"))) << "nothing is removed without --delete";
  EXPECT_EQ(lines(kept.out).front(), "put new.html");

  const test::CliRun removed = runCli({"publish", "--delete", site(), url()});
  EXPECT_EQ(removed.exitCode, 0) << removed.err.toStdString();
  EXPECT_EQ(QDir(server.root() + "www").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList({"css", "index.html", "new.html"}));
}

TEST_F(PublishCli, TheRecordKeepsASecondRunQuietWhereTheServersTimesCannotTell) {
  // Edited "tomorrow" (a clock ahead): the server's copy always looks older.
  setModified(site() + "/index.html", std::time(nullptr) + 86400);
  ASSERT_EQ(runCli({"publish", site(), url()}).exitCode, 0);
  EXPECT_EQ(lines(runCli({"publish", site(), url()}).out).front(), "0 sent (0 bytes), 0 folders made, 0 removed, "
                                                                     "4 unchanged, 0 failed");
  // Kept under the absolute folder (here the login folder, /www), as the
  // Hostdeck's Publish Site names it, so the two share one record of the site.
  const QStringList records = QDir(home.file("Publish")).entryList({"*.txt"}, QDir::Files);
  ASSERT_EQ(records.size(), 1);
  const Lines record = lines(readBytes(home.file("Publish") + "/" + records.front()));
  ASSERT_GE(record.size(), 2u);
  EXPECT_EQ(record[1], QString("ftp://web@127.0.0.1:%1/www").arg(server.port()).toStdString());
  ASSERT_TRUE(QDir(home.file("Publish")).removeRecursively());
  EXPECT_EQ(lines(runCli({"publish", site(), url()}).out).front(), "put index.html")
      << "without the record the times alone decide";
}

TEST_F(PublishCli, AProfileGivesTheServerAndThePassword) {
  qunsetenv("MARKLOOM_PASSWORD");
  // A profile as the Hostdeck saves it, in the work folder's Projects/.
  writeBytes(home.file("Projects/my site.ini"),
             QString("[Project]\r\nUSER=web\r\nPASS=secret\r\nHOST=127.0.0.1\r\nPORT=%1\r\nTIME=10000\r\n"
                     "TYPE=Unix\r\nPROTOCOL=FTP\r\n")
                 .arg(server.port())
                 .toUtf8());
  const test::CliRun run = runCli({"publish", "--profile", "my site", site()});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(readBytes(remote("img/logo.png")), imageBytes(1)) << "into the login folder";
  // The address may still name another folder; the profile's password serves it.
  const test::CliRun elsewhere =
      runCli({"publish", "--profile", "my site", site(), QString("ftp://127.0.0.1:%1/copy").arg(server.port())});
  EXPECT_EQ(elsewhere.exitCode, 0) << elsewhere.err.toStdString();
  EXPECT_EQ(readBytes(remote("copy/index.html")), "<p>home</p>\n");
  const test::CliRun missing = runCli({"publish", "--profile", "nobody", site()});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_TRUE(missing.err.contains("Cannot open file")) << missing.err.toStdString();
}

TEST_F(PublishCli, SeveralConnectionsSendTheSameSite) {
  for (int i = 0; i < 20; ++i) writeBytes(site() + QString("/pages/p%1.html").arg(i), QByteArray(100 + i, 'x'));
  const test::CliRun run = runCli({"publish", "--jobs", "3", site(), url()});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(lines(run.out).back(), "24 sent (8230 bytes), 4 folders made, 0 removed, 0 unchanged, 0 failed");
  EXPECT_EQ(server.log().count("LOGIN web"), 3);
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(readBytes(remote(QString("pages/p%1.html").arg(i))), QByteArray(100 + i, 'x')) << i;
}

TEST_F(PublishCli, ExitStatusesForBadArgumentsNoConnectionAndFailedTransfers) {
  const struct {
    QStringList args;
    int status;
    const char* says;
  } cases[] = {
      {{"publish"}, 2, "usage"},
      {{"publish", site()}, 2, "a site address or --profile is needed"},
      {{"publish", site(), "http://127.0.0.1/"}, 2, "Bad site address"},
      {{"publish", "--password", "x", site(), url()}, 2, "never taken from the command line"},
      {{"publish", "--jobs", "0", site(), url()}, 2, "--jobs needs a number from 1 to 16"},
      {{"publish", local.path() + "/missing", url()}, 2, "Cannot open folder"},
      {{"publish", site(), "ftp://web@127.0.0.1:1/"}, 2, "Unable to connect to 127.0.0.1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const test::CliRun run = runCli(c.args);
    EXPECT_EQ(run.exitCode, c.status);
    EXPECT_TRUE(run.err.contains(c.says)) << run.err.toStdString();
  }
  qputenv("MARKLOOM_PASSWORD", "wrong");
  EXPECT_EQ(runCli({"publish", site(), url()}).exitCode, 2) << "a refused login is no connection";
  qputenv("MARKLOOM_PASSWORD", "secret");
  // A folder on the server where a file must go: that file fails, the rest goes.
  QDir().mkpath(remote("index.html"));
  const test::CliRun partly = runCli({"publish", site(), url()});
  EXPECT_EQ(partly.exitCode, 1);
  EXPECT_TRUE(partly.err.contains("Cannot publish index.html")) << partly.err.toStdString();
  EXPECT_EQ(readBytes(remote("img/logo.png")), imageBytes(1));
}

TEST(PublishCliTls, FtpsAndSftpSitesPublishToo) {
  test::TempHome home;
  QTemporaryDir local;
  const QString site = local.path() + "/site";
  makeSite(site);
  {
    test::FtpFixture server(true);
    ASSERT_TRUE(server.running());
    qputenv("MARKLOOM_PASSWORD", "secret");
    qputenv("MARKLOOM_CA_FILE", server.certificate().toUtf8());
    const QString url = QString("ftps://web@localhost:%1/").arg(server.port());
    const test::CliRun run = runCli({"publish", site, url});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(readBytes(server.root() + "img/icons/a b.png"), imageBytes(2));
    EXPECT_EQ(lines(runCli({"publish", site, url}).out).back(),
              "0 sent (0 bytes), 0 folders made, 0 removed, 4 unchanged, 0 failed");
    qunsetenv("MARKLOOM_CA_FILE");
    qunsetenv("MARKLOOM_PASSWORD");
  }
  test::SshFixture ssh;
  ASSERT_TRUE(ssh.running()) << ssh.problem().toStdString();
  // The server's key, accepted once beforehand as the window would ask.
  const QString knownHosts = local.path() + "/known_hosts";
  TransferSite probe;
  probe.host = "127.0.0.1";
  probe.port = ssh.port();
  probe.user = ssh.user().toStdString();
  probe.protocol = TransferProtocol::Sftp;
  probe.privateKeyFile = ssh.privateKey().toStdString();
  probe.knownHostsFile = knownHosts.toStdString();
  TransferClient client;
  client.setHostKeyQuestion([](const std::string&, const std::string&) { return true; });
  client.connect(probe);
  client.disconnect();
  const QString url = QString("sftp://%1@127.0.0.1:%2%3site").arg(ssh.user()).arg(ssh.port()).arg(ssh.root());
  const QStringList args = {"publish", "--key", ssh.privateKey(), "--known-hosts", knownHosts, site, url};
  const test::CliRun run = runCli(args);
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(lines(run.out).front(), ("mkdir " + ssh.root() + "site").toStdString()) << "a missing top folder is made";
  EXPECT_EQ(readBytes(ssh.root() + "site/img/logo.png"), imageBytes(1));
  EXPECT_EQ(lines(runCli(args).out).back(), "0 sent (0 bytes), 0 folders made, 0 removed, 4 unchanged, 0 failed");
}

}  // namespace
}  // namespace markloom
