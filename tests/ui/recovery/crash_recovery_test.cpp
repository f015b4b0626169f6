// Crash recovery: copies of modified documents written on a short interval,
// removed when a document is saved or closed and at a clean exit; copies a
// dead run left are offered at the next start; and an editor killed with
// SIGKILL leaves a copy the next start restores.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QProcess>
#include <functional>

#include "core/workspace/recovery_record.h"
#include "core/workspace/session.h"
#include "platform/settings/ini_settings_store.h"
#include "dialog_driver.h"
#include "platform/editor/markloom_editor.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document.h"
#include "ui/document/document_window.h"
#include "ui/recovery/crash_recovery.h"
#include "ui/recovery/recovery_dialog.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

QStringList copies() { return QDir(CrashRecovery::folder()).entryList({"*.recovery"}, QDir::Files, QDir::Name); }
QStringList sessions() { return QDir(CrashRecovery::folder()).entryList({"*.session"}, QDir::Files); }

// Serves events until done() or the time runs out; returns done().
bool waitFor(const std::function<bool()>& done, int ms = 15000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed windows go, as in the event loop
  }
  return done();
}

std::optional<RecoveryRecord> recordIn(const QString& name) {
  QFile f(QDir(CrashRecovery::folder()).filePath(name));
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  return decodeRecovery(f.readAll().toStdString());
}

void putCopy(const QString& name, const RecoveryRecord& record) {
  QDir().mkpath(CrashRecovery::folder());
  QFile f(QDir(CrashRecovery::folder()).filePath(name));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray::fromStdString(encodeRecovery(record)));
}

class CrashRecoveryTest : public ::testing::Test {
 protected:
  TempHome home;
  ScriptedPrompter prompter;
};

TEST_F(CrashRecoveryTest, ModifiedDocumentsAreCopiedOwnerOnlyAndCopiesGoWhenSavedClosedOrAtExit) {
  const QString page = home.file("page.htm");
  {
    MainWindow w;
    w.show();
    CrashRecovery* recovery = w.findChild<CrashRecovery*>();
    ASSERT_NE(recovery, nullptr);
    EXPECT_EQ(recovery->interval(), CrashRecovery::kDefaultIntervalMs);
    recovery->setInterval(30);
    DocumentWindow* saved = w.createDocument();
    DocumentWindow* closed = w.createDocument();
    DocumentWindow* untouched = w.createDocument();
    untouched->document().setModified(false);
    saved->startNewFile(page);
    saved->document().editorOps().setLines({"<p>first</p>"});
    saved->document().setModified(true);
    closed->document().editorOps().setLines({"<p>second</p>"});
    closed->document().setModified(true);
    ASSERT_TRUE(waitFor([] { return copies().size() == 2; })) << copies().join(", ").toStdString();

    // Owner-only files in an owner-only folder, holding name and bytes.
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(CrashRecovery::folder()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    std::vector<RecoveryRecord> records;
    for (const QString& name : copies()) {
      ASSERT_EQ(::stat(QFile::encodeName(QDir(CrashRecovery::folder()).filePath(name)).constData(), &st), 0);
      EXPECT_EQ(st.st_mode & 0777, 0600u) << name.toStdString();
      auto record = recordIn(name);
      ASSERT_TRUE(record.has_value()) << name.toStdString();
      records.push_back(*record);
    }
    EXPECT_EQ(records[0], (RecoveryRecord{page.toStdString(), saved->editor()->bytes()}));
    EXPECT_EQ(records[1], (RecoveryRecord{"", closed->editor()->bytes()}));

    // A later change reaches the copy.
    saved->document().editorOps().setLines({"<p>first, changed</p>"});
    ASSERT_TRUE(waitFor([&] { return recordIn(copies().value(0))->bytes == saved->editor()->bytes(); }));

    saved->save();
    EXPECT_EQ(copies().size(), 1u) << "saved: its copy goes at once";
    prompter.answers = {Prompter::Answer::No};  // "Save changes?": give them up
    ASSERT_TRUE(closed->parentWidget()->close());
    ASSERT_TRUE(waitFor([] { return copies().isEmpty(); }));

    saved->document().editorOps().setLines({"<p>third</p>"});
    saved->document().setModified(true);
    ASSERT_TRUE(waitFor([] { return copies().size() == 1; }));
    EXPECT_EQ(sessions().size(), 1u);
    saved->document().setModified(false);  // the exit below asks nothing
  }
  EXPECT_EQ(copies(), QStringList{}) << "a clean exit leaves no copy";
  EXPECT_EQ(sessions(), QStringList{});
}

// The timer only snapshots the text; the copy is written on a worker and is
// the document's bytes exactly. A document that did not change since its
// copy is not copied again.
TEST_F(CrashRecoveryTest, OnlyChangedDocumentsAreCopiedAgainAndEveryCopyIsWhole) {
  MainWindow w;
  w.show();
  CrashRecovery* recovery = w.findChild<CrashRecovery*>();
  ASSERT_NE(recovery, nullptr);
  recovery->setInterval(3600000);  // copies only when asked below
  DocumentWindow* large = w.createDocument();
  DocumentWindow* small = w.createDocument();
  std::vector<std::string> lines;
  for (int i = 0; i < 100000; ++i) lines.push_back("<p>line " + std::to_string(i) + " of a long page</p>");
  large->startNewFile(home.file("large.htm"));
  large->document().editorOps().setLines(lines);
  large->document().setModified(true);
  small->document().editorOps().setLines({"<p>small</p>"});
  small->document().setModified(true);

  auto inodeOf = [](const QString& name) {
    struct stat st {};
    ::stat(QFile::encodeName(QDir(CrashRecovery::folder()).filePath(name)).constData(), &st);
    return st.st_ino;
  };
  auto copiesNow = [&] {
    recovery->saveNow();
    recovery->waitForWrites();
    return copies();
  };
  ASSERT_EQ(copiesNow().size(), 2);
  EXPECT_EQ(recovery->copiesWritten(), 2u);
  const QString largeCopy = copies()[0];
  const QString smallCopy = copies()[1];
  EXPECT_EQ(*recordIn(largeCopy), (RecoveryRecord{home.file("large.htm").toStdString(), large->editor()->bytes()}));
  EXPECT_GT(recordIn(largeCopy)->bytes.size(), 3000000u);
  const ino_t largeInode = inodeOf(largeCopy);

  // Nothing changed: nothing is written again.
  copiesNow();
  EXPECT_EQ(recovery->copiesWritten(), 2u);
  EXPECT_EQ(inodeOf(largeCopy), largeInode);

  // One changed: only its copy is written, whole.
  small->document().editorOps().setLines({"<p>small, changed</p>"});
  copiesNow();
  EXPECT_EQ(recovery->copiesWritten(), 3u);
  EXPECT_EQ(inodeOf(largeCopy), largeInode);
  EXPECT_EQ(recordIn(smallCopy)->bytes, small->editor()->bytes());

  // Saved while its copy may still be on its way: the copy goes and stays gone.
  large->editor()->insertAt("<!-- more -->", 0, 0);
  recovery->saveNow();
  large->save();
  recovery->waitForWrites();
  EXPECT_EQ(copies(), QStringList({smallCopy}));
  small->document().setModified(false);
}

struct OfferCase {
  const char* name;
  const char* button;
  int restored;
};

class LeftoverOffer : public CrashRecoveryTest, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(LeftoverOffer, CopiesOfADeadRunAreListedAndRestoredOrDiscarded) {
  const QString page = home.file("site/page.htm");
  putCopy("4242-1-1.recovery", {page.toStdString(), "<p>named</p>\r\n"});
  putCopy("4242-1-2.recovery", {"", "<p>untitled</p>\r\n"});
  putCopy("4242-1-3.recovery", {"", ""});
  QFile stray(QDir(CrashRecovery::folder()).filePath("4242-1-4.recovery"));
  ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
  stray.write("not a recovery copy");
  stray.close();

  QStringList listed;
  test::whenModal("RecoveryDialog", [&](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Recover Documents");
    listed = test::itemTexts(dialog->findChild<QListWidget*>("RecoveredList"));
    test::click(dialog, GetParam().button);
  });
  MainWindow w;
  w.show();
  // Offered, answered, and the old copies gone (restored documents get new ones).
  ASSERT_TRUE(waitFor([&] { return !listed.isEmpty() && !copies().join(",").contains("4242-1-"); }, 20000));
  ASSERT_EQ(listed.size(), 3);
  EXPECT_TRUE(listed[0].startsWith(page + " (")) << listed[0].toStdString();
  EXPECT_TRUE(listed[1].startsWith("Untitled document 1 (")) << listed[1].toStdString();
  EXPECT_TRUE(listed[2].startsWith("Untitled document 2 (")) << listed[2].toStdString();
  const QList<DocumentWindow*> docs = w.documents();
  ASSERT_EQ(docs.size(), GetParam().restored);
  if (GetParam().restored == 3) {
    EXPECT_EQ(docs[0]->document().fileName(), page);
    EXPECT_EQ(docs[0]->editor()->bytes(), "<p>named</p>\r\n");
    EXPECT_TRUE(docs[1]->document().isUntitled());
    EXPECT_EQ(docs[1]->editor()->bytes(), "<p>untitled</p>\r\n");
    for (DocumentWindow* d : docs) EXPECT_TRUE(d->document().isModified());
    // From now on they are this run's copies (written by the writer thread).
    w.findChild<CrashRecovery*>()->waitForWrites();
    EXPECT_EQ(copies().size(), 3u);
    EXPECT_FALSE(copies().join(",").contains("4242-1-"));
    for (DocumentWindow* d : docs) d->document().setModified(false);
  } else {
    EXPECT_EQ(copies(), QStringList{});
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, LeftoverOffer,
                         ::testing::Values(OfferCase{"Restore", "RestoreButton", 3},
                                           OfferCase{"Discard", "DiscardButton", 0}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(RecoveryDialogCaptions, NameEachEntryWithItsTimeAndNumberTheUntitledOnes) {
  const QDateTime morning(QDate(2026, 12, 11), QTime(9, 5));
  const QDateTime noon(QDate(2026, 12, 11), QTime(12, 30));
  EXPECT_EQ(RecoveryDialog::captions({{"", morning}, {"/site/a.htm", noon}, {"", noon}}),
            (QStringList{"Untitled document 1 (2026-12-11 09:05)", "/site/a.htm (2026-12-11 12:30)",
                         "Untitled document 2 (2026-12-11 12:30)"}));
}

// Two files of the last session, one of them changed, and two untitled
// documents, left by a run that died; the next start reopens the session as
// the program does (at the first idle moment, while the offer is up) and
// restores: every file open once, the changed one with its recovered text.
TEST_F(CrashRecoveryTest, RestoredFilesOfTheLastSessionOpenOnceWithTheRecoveredText) {
  home.write("a.htm", "<p>a on disk</p>\r\n");
  home.write("b.htm", "<p>b on disk</p>\r\n");
  const QString a = home.file("a.htm"), b = home.file("b.htm");
  {
    IniSettingsStore store;
    writeSession(store, Session{{{a.toStdString(), 0}, {b.toStdString(), 0}}, 0});
    store.sync();
  }
  putCopy("4243-1-1.recovery", {a.toStdString(), "<p>a changed before the crash</p>\r\n"});
  putCopy("4243-1-2.recovery", {"", "<p>first untitled</p>\r\n"});
  putCopy("4243-1-3.recovery", {"", "<p>second untitled</p>\r\n"});

  bool answered = false;
  test::whenModal("RecoveryDialog", [&](QDialog* dialog) {
    test::click(dialog, "RestoreButton");
    answered = true;
  });
  MainWindow w;
  w.show();
  QTimer::singleShot(0, &w, [&w] { w.restoreSession(); });
  ASSERT_TRUE(waitFor([&] { return answered && w.documents().size() >= 4; }, 20000));
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);

  QStringList files;
  QList<std::string> untitled;
  for (DocumentWindow* d : w.documents()) {
    if (d->document().isUntitled())
      untitled << d->editor()->bytes();
    else
      files << d->document().fileName();
  }
  files.sort();
  EXPECT_EQ(files.join(" | ").toStdString(), (a + " | " + b).toStdString());
  EXPECT_EQ(untitled, (QList<std::string>{"<p>first untitled</p>\r\n", "<p>second untitled</p>\r\n"}));
  DocumentWindow* docA = w.documentFor(a);
  ASSERT_NE(docA, nullptr);
  EXPECT_EQ(docA->editor()->bytes(), "<p>a changed before the crash</p>\r\n");
  EXPECT_TRUE(docA->document().isModified());
  EXPECT_FALSE(w.documentFor(b)->document().isModified());

  // Saving asks nothing (no twin changed the file) and writes the recovered text.
  prompter.answers.clear();
  ASSERT_TRUE(docA->save());
  EXPECT_TRUE(prompter.messages.empty()) << prompter.messages.front().text.toStdString();
  EXPECT_EQ(home.read("a.htm"), "<p>a changed before the crash</p>\r\n");
  // The session of the next exit holds each file once.
  const Session kept = w.currentSession();
  ASSERT_EQ(kept.documents.size(), 2u);
  EXPECT_NE(kept.documents[0].path, kept.documents[1].path);
  for (DocumentWindow* d : w.documents()) d->document().setModified(false);
}

// Only the ticked entries come back; the others' copies go all the same.
TEST_F(CrashRecoveryTest, RestoreBringsBackTheTickedEntriesOnly) {
  putCopy("4244-1-1.recovery", {"", "<p>keep me</p>"});
  putCopy("4244-1-2.recovery", {"", "<p>drop me</p>"});
  bool answered = false;
  test::whenModal("RecoveryDialog", [&](QDialog* dialog) {
    auto* list = dialog->findChild<QListWidget*>("RecoveredList");
    list->item(1)->setCheckState(Qt::Unchecked);
    test::click(dialog, "RestoreButton");
    answered = true;
  });
  MainWindow w;
  w.show();
  ASSERT_TRUE(waitFor([&] { return answered && copies().join(",").count("4244-1-") == 0; }, 20000));
  ASSERT_EQ(w.documents().size(), 1);
  EXPECT_EQ(w.documents().front()->editor()->bytes(), "<p>keep me</p>");
  w.documents().front()->document().setModified(false);
}

TEST_F(CrashRecoveryTest, CopiesOfARunStillAliveAreNotOffered) {
  putCopy("777-5-1.recovery", {"", "<p>still being edited</p>"});
  const QString lock = QDir(CrashRecovery::folder()).filePath("777-5.session");
  const int fd = ::open(QFile::encodeName(lock).constData(), O_RDWR | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  {
    test::ModalWatchdog watchdog(3000);
    MainWindow w;
    w.show();
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(w.documents().isEmpty());
  }
  EXPECT_EQ(copies(), QStringList{"777-5-1.recovery"});
  ::close(fd);
}

// The editor as its own process, its document changed through the inbound
// channel, killed with SIGKILL once its copy is written; the next start offers
// the copy and restores it under the file's name.
TEST_F(CrashRecoveryTest, AnEditorKilledOutrightIsRecoveredAtTheNextStart) {
  const QString page = home.file("page.htm");
  home.write("page.htm", "<p>saved text</p>\r\n");
  QProcess editor;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("MARKLOOM_RECOVERY_INTERVAL_MS", "100");
  env.insert("QT_QPA_PLATFORM", "offscreen");
  editor.setProcessEnvironment(env);
  editor.start(test::binDir() + "/markloom", {page});
  ASSERT_TRUE(editor.waitForStarted(10000));
  // The channel is up once the window is: send until the text lands.
  bool copied = false;
  QElapsedTimer clock;
  clock.start();
  while (!copied && clock.elapsed() < 30000 && editor.state() == QProcess::Running) {
    QProcess send;
    send.start(test::binDir() + "/markloom-cli", {"send-lines"});
    send.waitForStarted(5000);
    send.write("<p>typed before the crash</p>\n");
    send.closeWriteChannel();
    send.waitForFinished(10000);
    copied = waitFor([] { return !copies().isEmpty(); }, 2000);
  }
  ASSERT_TRUE(copied) << "no recovery copy appeared";
  ::kill(static_cast<pid_t>(editor.processId()), SIGKILL);
  ASSERT_TRUE(editor.waitForFinished(10000));
  ASSERT_EQ(copies().size(), 1u);

  test::whenModal("RecoveryDialog", [](QDialog* dialog) { test::click(dialog, "RestoreButton"); });
  MainWindow w;
  w.show();
  ASSERT_TRUE(waitFor([&] { return !w.documents().isEmpty(); }, 20000));
  DocumentWindow* doc = w.documents().front();
  EXPECT_EQ(doc->document().fileName(), page);
  EXPECT_TRUE(doc->document().isModified());
  const std::string text = doc->editor()->bytes();
  EXPECT_NE(text.find("typed before the crash"), std::string::npos) << text;
  EXPECT_NE(text.find("saved text"), std::string::npos) << text;
  EXPECT_EQ(home.read("page.htm"), "<p>saved text</p>\r\n") << "the file itself is untouched";
  doc->document().setModified(false);
}

}  // namespace
}  // namespace markloom
