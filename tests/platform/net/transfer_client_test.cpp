// The transfer client against a real FTP server (pyftpdlib) on 127.0.0.1.
#include "platform/net/transfer_client.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/common/error.h"
#include "error_text.h"
#include "file_bytes.h"
#include "ftp_fixture.h"
#include "http_fixture.h"
#include "ssh_fixture.h"

namespace markloom {
namespace {

using test::FtpFixture;
using test::readBytes;
using test::writeBytes;


class TransferClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.running());
    writeBytes(server.root() + "index.html", QByteArray(1023, 'x'));
    writeBytes(server.root() + "a b.txt", "two words\n");
    QDir().mkpath(server.root() + "images");
    writeBytes(server.root() + "images/logo.gif", "GIF89a");
  }
  TransferSite site(const std::string& password = "secret") const {
    TransferSite s;
    s.host = "127.0.0.1";
    s.port = server.port();
    s.user = "web";
    s.password = password;
    s.timeoutMs = 10000;
    return s;
  }
  std::string local(const std::string& name = {}) const { return (folder.path() + "/").toStdString() + name; }
  int logins() const { return static_cast<int>(server.log().count("LOGIN web")); }

  FtpFixture server;
  QTemporaryDir folder;
  TransferClient client;
};

TEST_F(TransferClientTest, ListsFoldersAndFilesWithSizesOverOneLogin) {
  client.connect(site());
  EXPECT_TRUE(client.connected());
  EXPECT_EQ(client.currentFolder(), "/");
  auto entries = client.list();
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "a b.txt");
  EXPECT_EQ(entries[0].size, 10u);
  EXPECT_EQ(entries[1].name, "images");
  EXPECT_TRUE(entries[1].folder);
  EXPECT_EQ(entries[2].name, "index.html");
  EXPECT_EQ(entries[2].size, 1023u);
  EXPECT_GT(entries[2].modified.year, 2000);

  client.changeFolder("images");
  EXPECT_EQ(client.currentFolder(), "/images");
  ASSERT_EQ(client.list().size(), 1u);
  client.changeFolder("..");
  EXPECT_EQ(client.currentFolder(), "/");
  EXPECT_EQ(logins(), 1) << server.log().join("\n").toStdString();
}

TEST_F(TransferClientTest, GetPutMakeFolderAndRename) {
  client.connect(site());
  client.setTransferMode(TransferMode::Binary);
  client.get("a b.txt", local());
  EXPECT_EQ(readBytes(QString::fromStdString(local("a b.txt"))), "two words\n");

  writeBytes(QString::fromStdString(local("up load.html")), "<p>new</p>\r\n");
  client.put("up load.html", local());
  EXPECT_EQ(readBytes(server.root() + "up load.html"), "<p>new</p>\r\n");

  client.makeFolder("new folder");
  EXPECT_TRUE(QFileInfo(server.root() + "new folder").isDir());
  client.rename("up load.html", "renamed.html");
  EXPECT_TRUE(QFile::exists(server.root() + "renamed.html"));
  EXPECT_FALSE(QFile::exists(server.root() + "up load.html"));
  EXPECT_EQ(logins(), 1) << "one session serves every operation";
}

TEST_F(TransferClientTest, FailuresCarryTheirMessagesAndTheServersReply) {
  EXPECT_EQ(test::errorText([&] { client.get("index.html", local()); }), "Not connected!");
  EXPECT_EQ(test::errorText([&] { client.put("x", local()); }), "Not connected!");
  EXPECT_EQ(test::errorText([&] { client.makeFolder("x"); }), "Not connected!");
  EXPECT_EQ(test::errorText([&] { client.rename("a", "b"); }), "Not connected!");

  EXPECT_EQ(test::errorText([&] { client.connect(site("wrong")); }), "Bad password connecting to 127.0.0.1");
  EXPECT_FALSE(client.connected());
  EXPECT_NE(client.lastResponse().find("530"), std::string::npos) << client.lastResponse();

  TransferSite closed = site();
  closed.port = test::closedPort();
  EXPECT_EQ(test::errorText([&] { client.connect(closed); }), "Unable to connect to 127.0.0.1");

  client.connect(site());
  EXPECT_EQ(test::errorText([&] { client.setServerType(ServerType::Unix); }), "Cannot change file system type when connected");
  EXPECT_EQ(test::errorText([&] { client.get("nope.txt", local()); }),
            "Error getting /nope.txt to " + local("nope.txt") + ": remote file not found");
  EXPECT_NE(client.lastResponse().find("550"), std::string::npos) << client.lastResponse();
  EXPECT_EQ(test::errorText([&] { client.put("missing.html", local()); }),
            "Error putting " + local("missing.html") + " to /missing.html: local file not found");
  EXPECT_EQ(test::errorText([&] { client.changeFolder("nowhere"); }), "Couldn't change to directory nowhere");
  EXPECT_EQ(client.currentFolder(), "/");
  EXPECT_EQ(test::errorText([&] { client.makeFolder("images"); }), "Error creating directory images");
  EXPECT_EQ(test::errorText([&] { client.rename("nope", "other"); }), "Error renaming file from nope to other");
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()) << "no half files";
}

TEST_F(TransferClientTest, AFolderChosenWhileDisconnectedIsEnteredOnConnect) {
  client.changeFolder("/images");
  EXPECT_EQ(client.currentFolder(), "/images");
  client.connect(site());
  ASSERT_EQ(client.list().size(), 1u);
  EXPECT_TRUE(client.disconnect());
  EXPECT_FALSE(client.disconnect()) << "no session was open the second time";
}

TEST_F(TransferClientTest, ACancelledDownloadLeavesNoHalfFileAndTheOldOneWhole) {
  QByteArray big(10 * 1024 * 1024, '\0');
  for (int i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  writeBytes(server.root() + "big.bin", big);
  writeBytes(QString::fromStdString(local("big.bin")), "the old copy");
  client.connect(site());
  client.setTransferMode(TransferMode::Binary);
  std::uint64_t seen = 0;
  client.setProgress([&](std::uint64_t done, std::uint64_t total) {
    seen = done;
    if (total > 0 && done > total / 2) client.cancel();
  });
  EXPECT_EQ(test::errorText([&] { client.get("big.bin", local()); }), "Error getting /big.bin to " + local("big.bin") + ": cancelled");
  EXPECT_GT(seen, 5u * 1024 * 1024);
  EXPECT_EQ(readBytes(QString::fromStdString(local("big.bin"))), "the old copy");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"big.bin"});

  client.setProgress({});
  client.get("big.bin", local());  // the session still works after the cancel
  EXPECT_EQ(readBytes(QString::fromStdString(local("big.bin"))), big);
}

// The TLS fixture's site, by the name its certificate carries.
TransferSite tlsSite(const FtpFixture& server) {
  TransferSite site;
  site.host = "localhost";
  site.port = server.port();
  site.user = "web";
  site.password = "secret";
  site.timeoutMs = 10000;
  site.protocol = TransferProtocol::Ftps;
  return site;
}

// Login, listing, files, folders and renames, all over TLS.
TEST(TransferClientTls, ExplicitTlsWithTheServersCertificateTrustedAndRefusedOtherwise) {
  FtpFixture server(true);
  ASSERT_TRUE(server.running());
  writeBytes(server.root() + "secure.html", "<p>s</p>");
  TransferSite site = tlsSite(server);
  TransferClient client;
  EXPECT_EQ(test::errorText([&] { client.connect(site); }), "General Connection Error to localhost")
      << "a certificate the system does not trust is refused";
  EXPECT_EQ(server.log().count("LOGIN web"), 0) << "no password was sent to it";
  site.certificateFile = server.certificate().toStdString();
  client.connect(site);
  const auto entries = client.list();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "secure.html");
  QTemporaryDir folder;
  client.setTransferMode(TransferMode::Binary);
  client.get("secure.html", folder.path().toStdString());
  EXPECT_EQ(readBytes(folder.path() + "/secure.html"), "<p>s</p>");
  writeBytes(folder.path() + "/up.css", "p{}");
  client.put("up.css", folder.path().toStdString());
  EXPECT_EQ(readBytes(server.root() + "up.css"), "p{}");
  client.makeFolder("private");
  client.rename("secure.html", "moved.html");
  client.changeFolder("private");
  EXPECT_TRUE(QFileInfo(server.root() + "private").isDir());
  EXPECT_TRUE(QFile::exists(server.root() + "moved.html"));
  EXPECT_EQ(client.currentFolder(), "/private");
  EXPECT_EQ(server.log().count("LOGIN web"), 1);
}

// A certificate the system does not trust: read before anything is sent,
// asked about, kept when trusted and asked about again when it changes.
TEST(TransferClientTls, AnUntrustedCertificateIsAskedAboutOnceAndPinned) {
  FtpFixture server(true);
  ASSERT_TRUE(server.running());
  writeBytes(server.root() + "secure.html", "<p>s</p>");
  QTemporaryDir folder;
  TransferSite site = tlsSite(server);
  site.trustedCertificatesFile = (folder.path() + "/trusted").toStdString();

  std::vector<std::pair<std::string, bool>> asked;
  bool trust = false;
  TransferClient client;
  client.setCertificateQuestion([&](const std::string& host, const std::string& fingerprint, bool changed) {
    EXPECT_EQ(host, "localhost");
    EXPECT_EQ(fingerprint.size(), 95u) << fingerprint;  // 32 bytes as "AB:" pairs
    asked.emplace_back(fingerprint, changed);
    return trust;
  });
  EXPECT_EQ(test::errorText([&] { client.connect(site); }), "The certificate of localhost is not trusted");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_FALSE(asked[0].second);
  EXPECT_EQ(server.log().count("LOGIN web"), 0) << "no password was sent before the answer";
  EXPECT_FALSE(QFile::exists(folder.path() + "/trusted"));

  trust = true;
  client.connect(site);
  ASSERT_EQ(asked.size(), 2u);
  ASSERT_EQ(client.list().size(), 1u);
  EXPECT_EQ(QFileInfo(folder.path() + "/trusted").permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
  const std::string kept = readBytes(folder.path() + "/trusted").toStdString();
  EXPECT_EQ(kept.rfind("localhost:" + std::to_string(server.port()) + " " + asked[1].first + " sha256//", 0), 0u)
      << kept;

  TransferClient again;  // the kept certificate is trusted without a question
  again.setCertificateQuestion([&](const std::string&, const std::string&, bool) {
    ADD_FAILURE() << "asked again";
    return false;
  });
  again.connect(site);
  EXPECT_EQ(again.list().size(), 1u);

  // Another key kept for this server: the one it shows now counts as changed.
  writeBytes(folder.path() + "/trusted",
             QByteArray::fromStdString("localhost:" + std::to_string(server.port()) + " " + asked[1].first +
                                       " sha256//AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA=\n"));
  trust = false;
  EXPECT_EQ(test::errorText([&] { client.connect(site); }), "The certificate of localhost is not trusted");
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_TRUE(asked[2].second);
}

TEST(TransferClientSftp, KnownHostsAreAskedOnceThenFilesMoveBothWays) {
  test::SshFixture server;
  ASSERT_TRUE(server.running()) << server.problem().toStdString();
  QTemporaryDir folder;
  writeBytes(server.root() + "remote page.html", "<p>remote</p>\n");
  TransferSite site = server.site(folder.path() + "/known_hosts");

  TransferClient client;
  int asked = 0;
  bool trust = false;
  client.setHostKeyQuestion([&](const std::string& host, const std::string& key) {
    ++asked;
    EXPECT_EQ(host, "127.0.0.1");
    EXPECT_FALSE(key.empty());
    return trust;
  });
  EXPECT_EQ(test::errorText([&] { client.connect(site); }), "General Connection Error to 127.0.0.1");
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(QFile::exists(folder.path() + "/known_hosts")) << "a refused key is not recorded";

  trust = true;
  client.changeFolder(server.root().toStdString());
  client.connect(site);
  EXPECT_EQ(asked, 2);
  EXPECT_TRUE(readBytes(folder.path() + "/known_hosts").contains("127.0.0.1"));
  const auto entries = client.list();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "remote page.html");
  EXPECT_EQ(entries[0].size, 14u);

  const std::string local = (folder.path() + "/").toStdString();
  client.get("remote page.html", local);
  EXPECT_EQ(readBytes(folder.path() + "/remote page.html"), "<p>remote</p>\n");
  writeBytes(folder.path() + "/up.css", "p{}");
  client.put("up.css", local);
  EXPECT_EQ(readBytes(server.root() + "up.css"), "p{}");
  client.makeFolder("sub dir");
  client.rename("up.css", "sub dir/moved.css");
  EXPECT_TRUE(QFile::exists(server.root() + "sub dir/moved.css"));
  EXPECT_EQ(test::errorText([&] { client.changeFolder("nowhere"); }), "Couldn't change to directory nowhere");

  // Known now: the next session asks nothing.
  client.disconnect();
  client.connect(site);
  EXPECT_EQ(asked, 2);
}

}  // namespace
}  // namespace markloom
