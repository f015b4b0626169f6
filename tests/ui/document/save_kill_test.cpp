// Save in the editor, killed with SIGKILL at random moments: the file is
// always wholly one content or the other, and the next save sweeps the
// siblings the killed ones left.
#include <gtest/gtest.h>
#include <signal.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <random>

#include "core/text/write_journal.h"
#include "file_bytes.h"
#include "platform/files/program_folder.h"
#include "temp_home.h"

namespace markloom {
namespace {

// What the helper saves: a first line that changes, above 200000 that do not.
QByteArray content(const char* word) {
  QByteArray out = "<p>" + QByteArray(word) + "</p>\r\n";
  for (int i = 0; i < 200000; ++i) out += "<p>line " + QByteArray::number(i) + "</p>\r\n";
  return out;
}

QStringList siblings(const QString& folder) {
  return QDir(folder).entryList({".page.html.mk*"}, QDir::Files | QDir::Hidden);
}

QString saveLoop() { return test::binDir() + "/markloom-save-loop"; }

// Starts the helper's endless saves of page and waits until save number round
// has begun.
::testing::AssertionResult startSaving(QProcess& saver, const QString& page, int round) {
  saver.start(saveLoop(), {page});
  if (!saver.waitForStarted(10000)) return ::testing::AssertionFailure() << "the save loop did not start";
  QElapsedTimer clock;
  clock.start();
  QByteArray said;
  const QByteArray awaited = "saving " + QByteArray::number(round) + "\n";
  while (!said.contains(awaited) && clock.elapsed() < 30000) {
    saver.waitForReadyRead(100);
    said += saver.readAllStandardOutput();
  }
  if (!said.contains(awaited)) return ::testing::AssertionFailure() << saver.readAllStandardError().toStdString();
  return ::testing::AssertionSuccess();
}

TEST(SaveKill, EveryKillLeavesTheFileWholeAndTheNextSaveSweepsTheRest) {
  test::TempHome home;
  QTemporaryDir folder;
  const QString page = folder.filePath("page.html");
  const QByteArray first = content("first"), second = content("second");
  test::writeBytes(page, first);
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> pause(0, 30);
  for (int kill = 0; kill < 10; ++kill) {
    QProcess saver;
    // Kill a little after a save has started, mostly inside its write.
    ASSERT_TRUE(startSaving(saver, page, 1 + kill % 3));
    QThread::msleep(static_cast<unsigned long>(pause(random)));
    ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
    saver.waitForFinished(10000);
    const QByteArray now = test::readBytes(page);
    EXPECT_TRUE(now == first || now == second) << "kill " << kill << ": " << now.size() << " bytes";
  }
  // Leftovers are swept once no process holds them and they are 2 s old.
  const QStringList left = siblings(folder.path());
  RecordProperty("siblings_left_by_kills", static_cast<int>(left.size()));
  QThread::msleep(2100);
  QProcess last;
  last.start(saveLoop(), {page, "--once"});
  ASSERT_TRUE(last.waitForFinished(30000));
  EXPECT_EQ(last.exitCode(), 0);
  EXPECT_EQ(test::readBytes(page), second);
  EXPECT_TRUE(siblings(folder.path()).isEmpty()) << siblings(folder.path()).join(", ").toStdString();
}

// The journal's record of a write under way, once it is written; empty when
// none appears within ms milliseconds.
QString journalRecord(const QString& folder, int ms) {
  QElapsedTimer clock;
  for (clock.start(); clock.elapsed() < ms; QThread::usleep(100)) {
    for (const QFileInfo& file : QDir(folder).entryInfoList({"*.journal"}, QDir::Files))
      if (file.size() > 0) return file.filePath();
  }
  return {};
}

qint64 modifiedNs(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return -1;
  return static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

// A page with a second hard link is saved in place. Killed anywhere in that
// save, the page may be torn for a moment, but whatever comes next (the
// editor's start, or the next writer of the file) finishes it from the journal:
// both names then hold one whole content, never a mix.
TEST(SaveKill, InPlaceSavesAreFinishedByWhateverComesNext) {
  test::TempHome home;
  QTemporaryDir folder;
  const QString page = folder.filePath("page.html");
  const QString other = folder.filePath("other.html");
  const QByteArray first = content("first"), second = content("second");
  test::writeBytes(page, first);
  ASSERT_EQ(::link(QFile::encodeName(page).constData(), QFile::encodeName(other).constData()), 0);
  const QString journalFolder = userDataFolder() + "journal";
  std::mt19937 random(20261212);
  std::uniform_int_distribution<int> pause(0, 150);
  int tornBeforeRecovery = 0;
  for (int kill = 0; kill < 12; ++kill) {
    QProcess saver;
    ASSERT_TRUE(startSaving(saver, page, 1 + kill % 3));
    if (kill % 3 == 0) {
      QThread::msleep(static_cast<unsigned long>(pause(random)));  // anywhere in the save
    } else {
      // Inside the copy itself: once the record is written, as soon as the
      // page's modification time moves.
      const QString record = journalRecord(journalFolder, 5000);
      const qint64 before = modifiedNs(page);
      QElapsedTimer clock;
      for (clock.start(); !record.isEmpty() && modifiedNs(page) == before && clock.elapsed() < 5000;)
        QThread::usleep(100);
    }
    ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
    saver.waitForFinished(10000);
    const QByteArray raw = test::readBytes(page);
    if (raw != first && raw != second) ++tornBeforeRecovery;
    if (kill % 2 == 0) {
      journal::finishInterruptedWrites();  // the editor's start
    } else {
      struct stat st {};
      ASSERT_EQ(::stat(QFile::encodeName(page).constData(), &st), 0);
      journal::settle(QFile::encodeName(other).toStdString(), st);  // a writer of the other name
    }
    const QByteArray now = test::readBytes(page);
    EXPECT_TRUE(now == first || now == second) << "kill " << kill << ": " << now.size() << " bytes";
    EXPECT_EQ(test::readBytes(other), now) << "kill " << kill;
    EXPECT_TRUE(QDir(journalFolder).entryList(QDir::Files).isEmpty()) << "kill " << kill;
  }
  RecordProperty("torn_before_recovery", tornBeforeRecovery);
  QProcess last;
  last.start(saveLoop(), {page, "--once"});
  ASSERT_TRUE(last.waitForFinished(30000));
  EXPECT_EQ(last.exitCode(), 0);
  EXPECT_EQ(test::readBytes(page), second);
  EXPECT_EQ(test::readBytes(other), second);
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(page).constData(), &st), 0);
  EXPECT_EQ(st.st_nlink, 2u);
}

}  // namespace
}  // namespace markloom
