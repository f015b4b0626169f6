// The transfer client's file work against real servers on 127.0.0.1: the Auto
// transfer type, the login folder, removals, downloads through the file
// writer, and servers that send without end or trickle.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "core/common/error.h"
#include "core/text/file_writer.h"
#include "error_text.h"
#include "file_bytes.h"
#include "ftp_fixture.h"
#include "platform/net/transfer_client.h"
#include "ssh_fixture.h"
#include "temp_home.h"

namespace markloom {
namespace {

using test::FtpFixture;
using test::readBytes;
using test::writeBytes;


TransferSite ftpSite(const FtpFixture& server) {
  TransferSite s;
  s.host = "127.0.0.1";
  s.port = server.port();
  s.user = "web";
  s.password = "secret";
  s.timeoutMs = 10000;
  return s;
}

// Every byte value, with CR LF pairs, lone CRs and lone LFs: what an ASCII
// transfer would change.
QByteArray binaryBytes() {
  QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
  for (int i = 0; i < 4096; ++i) bytes.append(static_cast<char>((i * 31) & 0xff));
  bytes.append("\r\n\r\r\n\n", 6);
  return bytes;
}

TEST(TransferClientAuto, BinaryFilesStayWholeBothWaysAndTextFilesGoAsText) {
  FtpFixture server;
  ASSERT_TRUE(server.running());
  QTemporaryDir folder;
  const std::string local = folder.path().toStdString();
  writeBytes(folder.path() + "/logo.png", binaryBytes());
  writeBytes(server.root() + "random.bin", binaryBytes());
  writeBytes(server.root() + "page.html", "<p>\r\nline\r\n</p>\r\n");
  TransferClient client;  // no mode set: Auto is the default
  EXPECT_EQ(client.transferMode(), TransferMode::Auto);
  client.connect(ftpSite(server));
  client.put("logo.png", local);
  EXPECT_EQ(readBytes(server.root() + "logo.png"), binaryBytes()) << "an image is sent byte for byte";
  client.get("random.bin", local);
  EXPECT_EQ(readBytes(folder.path() + "/random.bin"), binaryBytes()) << "and fetched byte for byte";
  // Text arrives with this system's line ends: proof the page came as text.
  client.get("page.html", local);
  EXPECT_EQ(readBytes(folder.path() + "/page.html"), "<p>\nline\n</p>\n");
  // ASCII for everything, when chosen, does what it always did to other files.
  client.setTransferMode(TransferMode::Ascii);
  client.getAt("/random.bin", local + "/ascii.bin");
  EXPECT_NE(readBytes(folder.path() + "/ascii.bin"), binaryBytes());
  client.setTransferMode(TransferMode::Binary);
  client.getAt("/page.html", local + "/binary.html");
  EXPECT_EQ(readBytes(folder.path() + "/binary.html"), "<p>\r\nline\r\n</p>\r\n");
  // The list is the user's.
  client.setTransferMode(TransferMode::Auto);
  client.setTextExtensions({"bin"});
  client.getAt("/random.bin", local + "/listed.bin");
  EXPECT_NE(readBytes(folder.path() + "/listed.bin"), binaryBytes());
}

TEST(TransferClientPaths, StartsInTheLoginFolderAndWorksByAbsolutePaths) {
  FtpFixture server(false, "/www");
  ASSERT_TRUE(server.running());
  writeBytes(server.root() + "www/index.html", "home");
  writeBytes(server.root() + "private.txt", "above the site");
  TransferClient client;
  client.connect(ftpSite(server));
  EXPECT_EQ(client.loginFolder(), "/www");
  EXPECT_EQ(client.currentFolder(), "/www");
  ASSERT_EQ(client.list().size(), 1u);
  EXPECT_EQ(client.list()[0].name, "index.html");
  EXPECT_EQ(client.listAt("/").size(), 2u) << "absolute paths reach above it";

  client.makeFolderAt("/www/a");
  client.makeFolderAt("/www/a/b");
  QTemporaryDir folder;
  writeBytes(folder.path() + "/x.css", "x");
  client.putAt((folder.path() + "/x.css").toStdString(), "/www/a/b/x.css");
  EXPECT_EQ(readBytes(server.root() + "www/a/b/x.css"), "x");
  EXPECT_EQ(test::errorText([&] { client.removeFolderAt("/www/a/b"); }).rfind("Error deleting directory /www/a/b: 5", 0), 0u)
      << "a folder with files in it stays";
  client.removeFileAt("/www/a/b/x.css");
  client.removeFolderAt("/www/a/b");
  EXPECT_FALSE(QFileInfo::exists(server.root() + "www/a/b"));
  EXPECT_EQ(test::errorText([&] { client.removeFileAt("/www/nothing.html"); }).rfind("Error deleting /www/nothing.html: 550", 0),
            0u);

  // A folder chosen while disconnected still wins; startInLoginFolder forgets it.
  client.disconnect();
  client.changeFolder("/www/a");
  client.connect(ftpSite(server));
  EXPECT_EQ(client.currentFolder(), "/www/a");
  client.disconnect();
  client.changeFolder("/");
  client.startInLoginFolder();
  client.connect(ftpSite(server));
  EXPECT_EQ(client.currentFolder(), "/www");
}

TEST(TransferClientPaths, SftpStartsInTheHomeFolderAndRemovesFiles) {
  test::SshFixture server;
  ASSERT_TRUE(server.running()) << server.problem().toStdString();
  QTemporaryDir folder;
  TransferSite site = server.site(folder.path() + "/known_hosts");
  TransferClient client;
  client.setHostKeyQuestion([](const std::string&, const std::string&) { return true; });
  client.connect(site);
  // The server starts a login in the user's home folder as the password file
  // names it (the tests may run with another HOME).
  const passwd* account = ::getpwuid(::getuid());
  ASSERT_NE(account, nullptr);
  ASSERT_TRUE(QFileInfo(QString::fromLocal8Bit(account->pw_dir)).isDir()) << account->pw_dir << " is missing";
  EXPECT_EQ(client.loginFolder(), std::string(account->pw_dir)) << "the user's home, not /";
  EXPECT_EQ(client.currentFolder(), client.loginFolder());
  const std::string top = server.root().chopped(1).toStdString();
  client.makeFolderAt(top + "/site");
  writeBytes(folder.path() + "/a.png", binaryBytes());
  client.putAt((folder.path() + "/a.png").toStdString(), top + "/site/a.png");
  EXPECT_EQ(readBytes(server.root() + "site/a.png"), binaryBytes());
  client.removeFileAt(top + "/site/a.png");
  client.removeFolderAt(top + "/site");
  EXPECT_FALSE(QFileInfo::exists(server.root() + "site"));
}

TEST(TransferClientDownload, GoesThroughTheFileWriterAndNamesTheTargetAndReason) {
  FtpFixture server;
  ASSERT_TRUE(server.running());
  writeBytes(server.root() + "page.html", "<p>new</p>");
  QTemporaryDir folder;
  const QString target = folder.path() + "/page.html";
  TransferClient client;
  client.connect(ftpSite(server));
  // A hard link stays one file with two names: written in place.
  writeBytes(target, "old");
  ASSERT_EQ(::link(QFile::encodeName(target).constData(), QFile::encodeName(folder.path() + "/twin.html").constData()),
            0);
  client.getAt("/page.html", target.toStdString());
  EXPECT_EQ(readBytes(folder.path() + "/twin.html"), "<p>new</p>");
  // A FIFO is never replaced; the message names the local target and why.
  const QString fifo = folder.path() + "/pipe.html";
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
  const std::string refused = test::errorText([&] { client.getAt("/page.html", fifo.toStdString()); });
  EXPECT_EQ(refused.rfind("Error getting /page.html to " + fifo.toStdString() + ": Cannot create file", 0), 0u)
      << refused;
  // A read-only file is refused as save refuses it (the probe judges by the bits, as for a user).
  setWriteAccessProbe([](const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0 ? EACCES : 0;
  });
  const QString locked = folder.path() + "/locked.html";
  writeBytes(locked, "keep me");
  ::chmod(QFile::encodeName(locked).constData(), 0444);
  const std::string lockedMessage = test::errorText([&] { client.getAt("/page.html", locked.toStdString()); });
  setWriteAccessProbe({});
  EXPECT_NE(lockedMessage.find(locked.toStdString()), std::string::npos) << lockedMessage;
  EXPECT_NE(lockedMessage.find("Permission denied"), std::string::npos) << lockedMessage;
  EXPECT_EQ(readBytes(locked), "keep me");
  // A missing remote file says so.
  EXPECT_EQ(test::errorText([&] { client.getAt("/none.html", target.toStdString()); }),
            "Error getting /none.html to " + target.toStdString() + ": remote file not found");
}

// A server that misbehaves on purpose (tests/support/hostile_ftp.py).
class HostileServer {
 public:
  explicit HostileServer(const QStringList& mode) {
    process_.start("/usr/bin/python3", QStringList{test::sourceDir() + "/tests/support/hostile_ftp.py"} + mode);
    if (!process_.waitForStarted(10000)) return;
    while (!process_.canReadLine())
      if (!process_.waitForReadyRead(10000)) return;
    const QStringList words = QString::fromLatin1(process_.readLine()).trimmed().split(' ');
    if (words.size() == 2 && words[0] == "PORT") port_ = words[1].toInt();
  }
  ~HostileServer() {
    process_.kill();
    process_.waitForFinished(5000);
  }
  TransferSite site() const {
    TransferSite s;
    s.host = "127.0.0.1";
    s.port = port_;
    s.user = "web";
    s.password = "x";
    s.timeoutMs = 10000;
    return s;
  }
  int port_ = 0;

 private:
  QProcess process_;
};

TEST(TransferClientHostile, AListingPastTheLimitsStopsWithAMessage) {
  const struct {
    QStringList mode;
    ListingLimits limits;
  } cases[] = {
      {{"endless"}, {200000, 256 * 1024}},  // stopped by its size
      {{"huge", "5000"}, {1000, 64u * 1024 * 1024}},  // stopped by its count
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode.join(' ').toStdString());
    HostileServer server(c.mode);
    ASSERT_GT(server.port_, 0);
    TransferClient client;
    client.setListingLimits(c.limits);
    client.connect(server.site());
    const std::string text = test::errorText([&] { client.list(); });
    EXPECT_EQ(text.rfind("The listing of / was stopped: it holds more than", 0), 0u) << text;
    EXPECT_TRUE(client.connected()) << "the session goes on";
  }
  // Under the limits, the whole listing is read.
  HostileServer fine({"huge", "500"});
  TransferClient client;
  client.connect(fine.site());
  EXPECT_EQ(client.list().size(), 500u);
}

TEST(TransferClientHostile, ADownloadTricklingTwoBytesASecondTimesOut) {
  HostileServer server({"trickle"});
  ASSERT_GT(server.port_, 0);
  QTemporaryDir folder;
  writeBytes(folder.path() + "/slow.bin", "the old copy");
  TransferSite site = server.site();
  site.lowSpeedSeconds = 2;  // the window is 60 s in use; short here
  TransferClient client;
  client.connect(site);
  const std::string text = test::errorText([&] { client.get("slow.bin", folder.path().toStdString()); });
  EXPECT_EQ(text, "Error getting /slow.bin to " + (folder.path() + "/slow.bin").toStdString() +
                      ": the transfer was too slow or stalled (timed out)");
  EXPECT_EQ(readBytes(folder.path() + "/slow.bin"), "the old copy");
}

}  // namespace
}  // namespace markloom
