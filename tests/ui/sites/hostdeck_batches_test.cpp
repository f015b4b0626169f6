// The Hostdeck window's batches and session fixes against the fixture FTP
// server: Auto transfers, the question before a file is replaced, Delete,
// whole folders, the login folder, a failed connect, Refresh, Escape, the
// status line after a transfer, and Publish Site.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "file_bytes.h"
#include "ftp_fixture.h"
#include "http_fixture.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/sites/file_pane.h"
#include "ui/sites/hostdeck_window.h"
#include "ui/sites/overwrite_question.h"

namespace markloom {
namespace {

using test::readBytes;
using test::writeBytes;

QStringList column(const QTreeWidget* list) {
  QStringList out;
  for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(0);
  return out;
}

void select(FilePane* pane, const QStringList& names) {
  pane->list()->clearSelection();
  for (const QString& name : names) {
    const auto found = pane->list()->findItems(name, Qt::MatchExactly, 0);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    found.first()->setSelected(true);
  }
}

QByteArray imageBytes() {
  QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
  for (int i = 0; i < 2000; ++i) bytes.append(static_cast<char>((i * 13) & 0xff));
  return bytes + "\r\n\r\n";
}

// Answers the overwrite question from a queue and counts the questions.
struct ScriptedOverwrite {
  ScriptedOverwrite() {
    OverwriteQuestion::setAnswerer([this](const QString& text, bool batch) {
      asked << text;
      batches << batch;
      EXPECT_FALSE(answers.empty()) << "unexpected question: " << text.toStdString();
      if (answers.empty()) return OverwriteQuestion::Answer{OverwriteChoice::Skip, false, true};
      const auto answer = answers.front();
      answers.erase(answers.begin());
      return answer;
    });
  }
  ~ScriptedOverwrite() { OverwriteQuestion::setAnswerer({}); }
  std::vector<OverwriteQuestion::Answer> answers;
  QStringList asked;
  QList<bool> batches;
};

class HostdeckBatches : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.running());
    writeBytes(server.root() + "www/index.html", "<p>server</p>");
    writeBytes(server.root() + "www/logo.png", imageBytes());
    writeBytes(server.root() + "www/img/a.gif", "GIF89a-a");
    writeBytes(server.root() + "www/img/deep/b.gif", "GIF89a-b");
    window.setLocalFolder(localDir.path());
    window.show();
  }
  void connectAs(const QString& password = "secret") {
    field("edtHost")->setText("127.0.0.1");
    field("edtPort")->setText(QString::number(server.port()));
    field("edtUser")->setText("web");
    field("edtPassword")->setText(password);
    window.connectToSite();
    waitIdle();
  }
  QLineEdit* field(const char* name) { return window.findChild<QLineEdit*>(name); }
  QAction* action(const char* name) { return window.findChild<QAction*>(name); }
  void waitIdle() { ASSERT_TRUE(test::waitUntil([this] { return !window.busy(); })); }
  QString local(const QString& name) const { return localDir.filePath(name); }
  QString status() const { return window.statusLabel()->text(); }
  int progress() const { return window.findChild<QProgressBar*>("pbMain")->value(); }

  test::TempHome home;
  test::ScriptedPrompter prompter;
  test::FtpFixture server{false, "/www"};
  QTemporaryDir localDir;
  HostdeckWindow window;
};

TEST_F(HostdeckBatches, StartsInTheLoginFolderWithAutoAndMovesImagesWhole) {
  EXPECT_EQ(window.transferTypeBox()->currentText(), "Auto");
  EXPECT_EQ(window.transferTypeBox()->count(), 3);
  connectAs();
  ASSERT_TRUE(window.isConnected());
  EXPECT_EQ(window.remotePane()->folder(), "/www") << "the folder the server logs in to";
  EXPECT_EQ(column(window.remotePane()->list()), QStringList({"img", "index.html", "logo.png"}));
  select(window.remotePane(), {"logo.png"});
  window.getFile();
  waitIdle();
  EXPECT_EQ(readBytes(local("logo.png")), imageBytes());
  EXPECT_EQ(status(), "Got 1 files") << "the status line tells how it ended";
  EXPECT_EQ(progress(), 100);
  writeBytes(local("photo.png"), imageBytes());
  window.refreshLocal();
  select(window.localPane(), {"photo.png"});
  window.putFile();
  waitIdle();
  EXPECT_EQ(readBytes(server.root() + "www/photo.png"), imageBytes());
  EXPECT_EQ(status(), "Uploaded 1 files");
}

TEST_F(HostdeckBatches, FoldersMoveWholeBothWaysWithOneProgress) {
  connectAs();
  select(window.remotePane(), {"img", "index.html"});
  window.getFile();
  waitIdle();
  EXPECT_EQ(readBytes(local("img/deep/b.gif")), "GIF89a-b");
  EXPECT_EQ(readBytes(local("img/a.gif")), "GIF89a-a");
  EXPECT_EQ(readBytes(local("index.html")), "<p>server</p>");
  EXPECT_EQ(status(), "Got 3 files");
  EXPECT_TRUE(window.logLines().contains("Getting 2 items"));

  writeBytes(local("site/css/a.css"), "a{}");
  writeBytes(local("site/b.html"), "b");
  QDir().mkpath(local("site/empty"));
  window.refreshLocal();
  select(window.localPane(), {"site"});
  window.putFile();
  waitIdle();
  EXPECT_EQ(readBytes(server.root() + "www/site/css/a.css"), "a{}");
  EXPECT_EQ(readBytes(server.root() + "www/site/b.html"), "b");
  EXPECT_TRUE(QFileInfo(server.root() + "www/site/empty").isDir());
  EXPECT_EQ(status(), "Uploaded 2 files");
  EXPECT_TRUE(column(window.remotePane()->list()).contains("site"));
}

TEST_F(HostdeckBatches, ReplacingAFileIsAskedFirst) {
  ScriptedOverwrite question;
  connectAs();
  writeBytes(local("index.html"), "my local edit");
  window.refreshLocal();

  select(window.remotePane(), {"index.html"});
  question.answers = {{OverwriteChoice::Skip, false, false}};
  window.getFile();
  waitIdle();
  EXPECT_EQ(readBytes(local("index.html")), "my local edit") << "a double-click no longer loses an edit";
  ASSERT_EQ(question.asked.size(), 1);
  EXPECT_TRUE(question.asked[0].startsWith("index.html already exists."));
  EXPECT_FALSE(question.batches[0]) << "one file: no Apply to all";

  question.answers = {{OverwriteChoice::Rename, false, false}};
  window.getFile();
  waitIdle();
  EXPECT_EQ(readBytes(local("index (2).html")), "<p>server</p>");
  EXPECT_EQ(readBytes(local("index.html")), "my local edit");

  // Two files there already: asked once, the answer applied to both.
  writeBytes(local("img/a.gif"), "old a");
  writeBytes(local("img/deep/b.gif"), "old b");
  select(window.remotePane(), {"img"});
  question.answers = {{OverwriteChoice::Overwrite, true, false}};
  window.getFile();
  waitIdle();
  EXPECT_EQ(question.asked.size(), 3);
  EXPECT_TRUE(question.batches[2]);
  EXPECT_EQ(readBytes(local("img/a.gif")), "GIF89a-a");
  EXPECT_EQ(readBytes(local("img/deep/b.gif")), "GIF89a-b");

  // Uploads ask too; Cancel stops the batch before anything moves.
  window.refreshLocal();
  select(window.localPane(), {"index.html"});
  question.answers = {{OverwriteChoice::Overwrite, false, true}};
  window.putFile();
  waitIdle();
  EXPECT_EQ(readBytes(server.root() + "www/index.html"), "<p>server</p>");
  EXPECT_TRUE(status().startsWith("Cancelled")) << status().toStdString();
  question.answers = {{OverwriteChoice::Overwrite, false, false}};
  window.putFile();
  waitIdle();
  EXPECT_EQ(readBytes(server.root() + "www/index.html"), "my local edit");
}

TEST_F(HostdeckBatches, DeleteRemovesSelectedFilesAndFoldersAfterAQuestion) {
  connectAs();
  ASSERT_NE(action("actDelete"), nullptr);
  EXPECT_EQ(action("actDelete")->shortcut(), QKeySequence(QKeySequence::Delete));
  select(window.remotePane(), {"img", "logo.png"});
  prompter.answers.push_back(Prompter::Answer::No);
  action("actDelete")->trigger();
  waitIdle();
  EXPECT_TRUE(QFile::exists(server.root() + "www/logo.png")) << "No keeps them";
  prompter.answers.push_back(Prompter::Answer::Yes);
  action("actDelete")->trigger();
  waitIdle();
  ASSERT_FALSE(prompter.messages.empty());
  EXPECT_EQ(prompter.messages.back().text,
            "Delete the 2 selected items from the server?\nFolders are deleted with everything in them.");
  EXPECT_FALSE(QFileInfo::exists(server.root() + "www/img"));
  EXPECT_FALSE(QFile::exists(server.root() + "www/logo.png"));
  EXPECT_EQ(column(window.remotePane()->list()), QStringList{"index.html"});
  EXPECT_EQ(status(), "Deleted 2 files");

  writeBytes(local("old/x.html"), "x");
  writeBytes(local("keep.html"), "k");
  window.refreshLocal();
  select(window.localPane(), {"old"});
  prompter.answers.push_back(Prompter::Answer::Yes);
  action("actDelete")->trigger();
  EXPECT_FALSE(QFileInfo::exists(local("old")));
  EXPECT_TRUE(QFile::exists(local("keep.html")));
  EXPECT_EQ(column(window.localPane()->list()), QStringList{"keep.html"});
}

TEST_F(HostdeckBatches, AFailedConnectGivesThePanelBackWithTheFieldsAsTyped) {
  connectAs("wrong");
  EXPECT_FALSE(window.isConnected());
  EXPECT_TRUE(window.profilePanel()->isVisible());
  EXPECT_EQ(field("edtPassword")->text(), "wrong");
  EXPECT_EQ(field("edtUser")->text(), "web");
  field("edtPassword")->setText("secret");
  window.connectToSite();
  waitIdle();
  EXPECT_TRUE(window.isConnected());
  EXPECT_FALSE(window.profilePanel()->isVisible());
}

TEST_F(HostdeckBatches, RefreshShowsBothPanesAndEscapeKeepsTheSession) {
  connectAs();
  writeBytes(server.root() + "www/new-remote.html", "r");
  writeBytes(local("new-local.html"), "l");
  action("actRefreshLocal")->trigger();
  waitIdle();
  EXPECT_TRUE(column(window.remotePane()->list()).contains("new-remote.html"));
  EXPECT_TRUE(column(window.localPane()->list()).contains("new-local.html"));

  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window.remotePane()->list(), &escape);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.isConnected());
}

TEST_F(HostdeckBatches, PublishSiteSendsTheLocalFolderToTheRemoteOne) {
  connectAs();
  writeBytes(local("index.html"), "<p>new home</p>");
  writeBytes(local("css/site.css"), "p{}");
  writeBytes(local("pics/photo.png"), imageBytes());
  window.refreshLocal();
  prompter.answers.push_back(Prompter::Answer::No);  // send only, remove nothing
  action("actPublishSite")->trigger();
  waitIdle();
  EXPECT_EQ(readBytes(server.root() + "www/index.html"), "<p>new home</p>");
  EXPECT_EQ(readBytes(server.root() + "www/pics/photo.png"), imageBytes());
  EXPECT_TRUE(QFile::exists(server.root() + "www/logo.png")) << "nothing removed";
  ASSERT_TRUE(test::waitUntil([this] { return window.logLines().contains("put css/site.css"); }));
  EXPECT_TRUE(window.logLines().contains("mkdir pics"));
  EXPECT_EQ(status(), "Published 3 files");
  EXPECT_TRUE(column(window.remotePane()->list()).contains("pics"));

  prompter.answers.push_back(Prompter::Answer::Yes);  // and remove what is gone here
  action("actPublishSite")->trigger();
  waitIdle();
  EXPECT_FALSE(QFile::exists(server.root() + "www/logo.png"));
  EXPECT_EQ(status(), "Published 0 files");
}

}  // namespace
}  // namespace markloom
