// The Hostdeck window against a real FTP server (pyftpdlib) on 127.0.0.1.
#include "ui/sites/hostdeck_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "file_bytes.h"
#include "ftp_fixture.h"
#include "http_fixture.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/sites/file_pane.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;
using test::writeBytes;

QStringList column(const QTreeWidget* list, int index) {
  QStringList out;
  for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(index);
  return out;
}

void select(FilePane* pane, const QString& name) {
  const auto found = pane->list()->findItems(name, Qt::MatchExactly, 0);
  ASSERT_EQ(found.size(), 1) << name.toStdString();
  pane->list()->setCurrentItem(found.first());
}

class HostdeckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.running());
    writeBytes(server.root() + "index.html", QByteArray(1023, 'x'));
    writeBytes(server.root() + "a b.txt", "two words\n");
    QDir().mkpath(server.root() + "images");
    window.setLocalFolder(localDir.path());
    window.show();
  }
  void fill(const QString& password = "secret") {
    field("edtHost")->setText("127.0.0.1");
    field("edtPort")->setText(QString::number(server.port()));
    field("edtUser")->setText("web");
    field("edtPassword")->setText(password);
  }
  QLineEdit* field(const char* name) { return window.findChild<QLineEdit*>(name); }
  void waitIdle() {
    ASSERT_TRUE(test::waitUntil([this] { return !window.busy(); }));
  }

  TempHome home;
  ScriptedPrompter prompter;
  test::FtpFixture server;
  QTemporaryDir localDir;
  HostdeckWindow window;
};

TEST_F(HostdeckTest, ConnectListGetPutAndDisconnect) {
  EXPECT_EQ(window.windowTitle(), "Tarnwell Hostdeck 5.0");
  fill();
  window.connectToSite();
  waitIdle();
  ASSERT_TRUE(window.isConnected()) << window.logLines().join("\n").toStdString();
  const QStringList lines = window.logLines();
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines.last(), "Connected to 127.0.0.1");
  EXPECT_TRUE(lines[lines.size() - 2].startsWith("2")) << "the server's last reply comes first";
  EXPECT_FALSE(window.profilePanel()->isVisible()) << "Connect hides the profile panel";
  QTreeWidget* remote = window.remotePane()->list();
  EXPECT_EQ(column(remote, 0), QStringList({"images", "a b.txt", "index.html"})) << "folders first, then by name";
  EXPECT_EQ(column(remote, 1), QStringList({"", "10 bytes", "1023 bytes"}));

  select(window.remotePane(), "a b.txt");
  window.getFile();
  waitIdle();
  QFile got(localDir.filePath("a b.txt"));
  ASSERT_TRUE(got.open(QIODevice::ReadOnly));
  EXPECT_EQ(got.readAll(), "two words\n");
  EXPECT_TRUE(window.logLines().contains("Getting a b.txt"));
  EXPECT_FALSE(window.localPane()->list()->findItems("a b.txt", Qt::MatchExactly, 0).isEmpty())
      << "the local pane is refreshed";

  writeBytes(localDir.filePath("up.html"), "<p>up</p>");
  window.refreshLocal();
  select(window.localPane(), "up.html");
  window.putFile();
  waitIdle();
  EXPECT_TRUE(QFile::exists(server.root() + "up.html"));
  EXPECT_TRUE(column(remote, 0).contains("up.html"));

  emit window.remotePane()->activated("images", true);
  waitIdle();
  EXPECT_EQ(window.remotePane()->folder(), "/images");
  EXPECT_TRUE(column(remote, 0).isEmpty());

  window.disconnectFromSite();
  waitIdle();
  EXPECT_FALSE(window.isConnected());
  EXPECT_EQ(window.logLines().count("Disconnected from 127.0.0.1"), 2) << "once from the event, once from the command";
  EXPECT_EQ(remote->topLevelItemCount(), 0);
  EXPECT_EQ(window.remotePane()->folder(), "/");
  EXPECT_TRUE(window.profilePanel()->isVisible());
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

TEST_F(HostdeckTest, FailuresAreLoggedOrStopBeforeAnythingIsSent) {
  fill("wrong");
  window.connectToSite();
  waitIdle();
  EXPECT_FALSE(window.isConnected());
  EXPECT_EQ(window.logLines().last(), "Bad password connecting to 127.0.0.1");

  field("edtPort")->setText("21x");
  window.connectToSite();
  EXPECT_FALSE(window.busy());
  EXPECT_EQ(prompter.errors, QStringList{"'21x' is not a valid integer value"});

  fill();
  window.connectToSite();
  waitIdle();
  ASSERT_TRUE(window.isConnected());
  prompter.inputs.push_back(std::nullopt);  // Make Remote Directory, cancelled
  window.makeRemoteFolder();
  EXPECT_FALSE(window.busy()) << "a cancelled name sends nothing";
  prompter.inputs.push_back(QString("images"));  // exists already
  window.makeRemoteFolder();
  waitIdle();
  EXPECT_EQ(prompter.errors.last(), "Error creating directory images");
}

TEST_F(HostdeckTest, ProfilesAreSavedLoadedAndDeleted) {
  const QString folder = HostdeckWindow::profilesFolder();
  fill();
  window.findChild<QComboBox*>("edtServerType")->setCurrentText("Unix");
  prompter.inputs.push_back(QString("site one"));
  window.saveProfile();
  QFile saved(folder + "/site one.ini");
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(),
            QString("[Project]\r\nUSER=web\r\nPASS=secret\r\nHOST=127.0.0.1\r\nPORT=%1\r\nTIME=30000\r\n"
                    "TYPE=Unix\r\nPROTOCOL=FTP\r\n")
                .arg(server.port())
                .toUtf8());
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(saved.fileName()).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u) << "it holds a password";
  prompter.inputs.push_back(QString("site two"));
  window.saveProfile();  // still no current profile: asked again
  QListWidget* list = window.findChild<QListWidget*>("RzFileListBox1");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "site one.ini");

  writeBytes(folder + "/old.ini", "[Project]\r\nUSER=someone\r\nPORT=2121\r\n");
  window.loadProfile(folder + "/old.ini");
  EXPECT_EQ(field("edtUser")->text(), "someone");
  EXPECT_EQ(field("edtPassword")->text(), kPlaceholderPassword);
  EXPECT_EQ(field("edtHost")->text(), "ERROR");
  EXPECT_EQ(field("edtPort")->text(), "2121");
  EXPECT_EQ(window.findChild<QComboBox*>("edtServerType")->currentText(), "Other");
  window.saveProfile();  // the current profile: no question
  EXPECT_TRUE(prompter.inputs.empty());
  window.deleteProfile();
  EXPECT_FALSE(QFile::exists(folder + "/old.ini"));
  EXPECT_EQ(field("edtUser")->text(), "");
  EXPECT_EQ(field("edtPort")->text(), "21");
  window.deleteProfile();  // none current: only the fields
  EXPECT_EQ(list->count(), 2);
}

TEST_F(HostdeckTest, EnterInTheServerFieldWhileConnectedWithATypeKeepsTheSession) {
  fill();
  window.connectToSite();
  waitIdle();
  ASSERT_TRUE(window.isConnected());
  const int linesBefore = static_cast<int>(window.logLines().size());
  window.findChild<QComboBox*>("edtServerType")->setCurrentText("Unix");
  field("edtHost")->setText("localhost");
  emit field("edtHost")->returnPressed();
  waitIdle();
  const QStringList lines = window.logLines();
  EXPECT_EQ(lines.mid(linesBefore), QStringList{"Cannot change file system type when connected"});
  EXPECT_TRUE(window.isConnected()) << "the old session stays open";
  EXPECT_EQ(column(window.remotePane()->list(), 0), QStringList({"images", "a b.txt", "index.html"}))
      << "its folder is shown again";
  EXPECT_EQ(server.log().count("LOGIN web"), 1) << "no new login";
  EXPECT_FALSE(window.profilePanel()->isVisible()) << "Enter leaves the panel as it was";
}

TEST_F(HostdeckTest, RenameListsTheFolderAgainAndDisconnectLogsPerSession) {
  fill();
  window.connectToSite();
  waitIdle();
  ASSERT_TRUE(window.isConnected());
  select(window.remotePane(), "a b.txt");
  prompter.inputs.push_back(std::nullopt);  // cancelled: nothing is sent
  window.renameRemoteFile();
  EXPECT_FALSE(window.busy());
  prompter.inputs.push_back(QString("renamed.txt"));
  window.renameRemoteFile();
  waitIdle();
  EXPECT_TRUE(QFile::exists(server.root() + "renamed.txt"));
  EXPECT_FALSE(QFile::exists(server.root() + "a b.txt"));
  QTreeWidget* remote = window.remotePane()->list();
  EXPECT_EQ(column(remote, 0), QStringList({"images", "index.html", "renamed.txt"}))
      << "a stale name would only make the next transfer fail";

  prompter.inputs.push_back(QString("nope.txt"));  // the old name is gone now
  select(window.remotePane(), "index.html");
  ASSERT_TRUE(QFile::remove(server.root() + "index.html"));
  window.renameRemoteFile();
  waitIdle();
  EXPECT_EQ(prompter.errors, QStringList{"Error renaming file from index.html to nope.txt"});
  EXPECT_TRUE(window.isConnected());

  window.disconnectFromSite();
  waitIdle();
  EXPECT_EQ(window.logLines().count("Disconnected from 127.0.0.1"), 2) << "a session was open";
  window.disconnectFromSite();
  waitIdle();
  EXPECT_EQ(window.logLines().count("Disconnected from 127.0.0.1"), 3) << "none was open: the command's line only";
}

}  // namespace
}  // namespace markloom

namespace markloom {
namespace {

// An FTPS server whose certificate the system does not know: the window asks,
// names the fingerprint, and once trusted connects without asking again.
TEST(HostdeckTls, AnUnknownCertificateIsAskedAboutThenTrusted) {
  test::TempHome home;
  test::ScriptedPrompter prompter;
  test::FtpFixture server(true);
  ASSERT_TRUE(server.running());
  HostdeckWindow window;
  window.show();
  window.findChild<QLineEdit*>("edtHost")->setText("localhost");
  window.findChild<QLineEdit*>("edtPort")->setText(QString::number(server.port()));
  window.findChild<QLineEdit*>("edtUser")->setText("web");
  window.findChild<QLineEdit*>("edtPassword")->setText("secret");
  window.findChild<QComboBox*>("Protocol")->setCurrentText("FTPS");
  const auto connectAndWait = [&] {
    window.connectToSite();
    ASSERT_TRUE(test::waitUntil([&] { return !window.busy(); }));
  };

  prompter.answers.push_back(Prompter::Answer::No);
  connectAndWait();
  EXPECT_FALSE(window.isConnected());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_TRUE(prompter.messages[0].text.startsWith("The certificate of localhost is not trusted by this system."))
      << prompter.messages[0].text.toStdString();
  EXPECT_TRUE(prompter.messages[0].text.contains("SHA-256 fingerprint"));
  EXPECT_TRUE(window.logLines().join("\n").contains("The certificate of localhost is not trusted"))
      << window.logLines().join("\n").toStdString();

  prompter.answers.push_back(Prompter::Answer::Yes);
  connectAndWait();
  EXPECT_TRUE(window.isConnected()) << window.logLines().join("\n").toStdString();
  EXPECT_TRUE(QFile::exists(HostdeckWindow::trustedCertificatesFile()));
  window.disconnectFromSite();
  ASSERT_TRUE(test::waitUntil([&] { return !window.busy(); }));
  connectAndWait();
  EXPECT_TRUE(window.isConnected());
  EXPECT_EQ(prompter.messages.size(), 2u) << "not asked again";
}

}  // namespace
}  // namespace markloom
