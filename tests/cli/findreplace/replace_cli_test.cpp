// markloom-cli replace as a user runs it: files on disk, the printed figures,
// the exit status, and what is left on disk when the process is killed while
// it writes.
#include <gtest/gtest.h>
#include <signal.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <map>

#include "support/cli_run.h"
#include "support/temp_home.h"

namespace markloom {
namespace {

using test::CliRun;
using test::readBytes;

CliRun runReplace(const QStringList& args, const QString& workDir) {
  return test::runCli(QStringList{"replace"} + args, workDir);
}

struct CliCase {
  const char* name;
  std::map<QString, QByteArray> files;  // before
  QStringList args;                     // options, then files by name
  int exitCode;
  QByteArray out;
  QByteArray err;
  std::map<QString, QByteArray> after;  // every file in the folder afterwards
};

const CliCase kCases[] = {
    {"ReplacesAndPrintsTheChangedFilesAndCounters",
     {{"a.htm", "a cat\r\n"}, {"b.htm", "no match\n"}},
     {"--find", "cat", "--replace", "dog", "a.htm", "b.htm"},
     0,
     "a.htm\nFiles Read: 2\nBytes Read: 16\nBytes Written: 7\nOccurences: 1\n",
     "",
     {{"a.htm", "a dog\r\n"}, {"b.htm", "no match\n"}}},
    {"IgnoreCaseAndWholeWords",
     {{"a.htm", "Cat CAT_x bobcat cat."}},
     {"--find", "cat", "--replace", "", "--ignore-case", "--whole-words", "a.htm"},
     0,
     "a.htm\nFiles Read: 1\nBytes Read: 21\nBytes Written: 15\nOccurences: 2\n",
     "",
     {{"a.htm", " CAT_x bobcat ."}}},
    {"BackupKeepsTheOriginal",
     {{"a.htm", "cat\n"}, {"a.htm.bak", "older"}},
     {"--backup", "--find", "cat", "--replace", "dog", "a.htm"},
     0,
     "a.htm\nFiles Read: 1\nBytes Read: 4\nBytes Written: 4\nOccurences: 1\n",
     "",
     {{"a.htm", "dog\n"}, {"a.htm.bak", "cat\n"}}},
    {"MissingFileIsReportedAndTheOthersAreProcessed",
     {{"b.htm", "cat"}},
     {"--find", "cat", "--replace", "dog", "missing.htm", "b.htm"},
     2,
     "b.htm\nFiles Read: 1\nBytes Read: 3\nBytes Written: 3\nOccurences: 1\n",
     "Error accessing file missing.htm\n",
     {{"b.htm", "dog"}}},
    {"FindIsRequired",
     {{"a.htm", "cat"}},
     {"--replace", "dog", "a.htm"},
     2,
     "",
     "usage: markloom-cli replace --find TEXT --replace TEXT [--ignore-case] [--whole-words] [--backup] FILE...\n",
     {{"a.htm", "cat"}}},
    {"UnknownOptionIsRefused",
     {{"a.htm", "cat"}},
     {"--find", "cat", "--replace", "dog", "--regex", "a.htm"},
     2,
     "",
     "markloom-cli replace: unknown option '--regex'\nusage: markloom-cli replace --find TEXT --replace TEXT "
     "[--ignore-case] [--whole-words] [--backup] FILE...\n",
     {{"a.htm", "cat"}}},
};

class ReplaceCli : public ::testing::TestWithParam<CliCase> {};

TEST_P(ReplaceCli, GivesTheExpectedFilesOutputAndStatus) {
  const CliCase& c = GetParam();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const auto& [name, bytes] : c.files) test::writeBytes(dir.filePath(name), bytes);
  const CliRun r = runReplace(c.args, dir.path());
  EXPECT_EQ(r.exitCode, c.exitCode);
  EXPECT_EQ(r.out.toStdString(), c.out.toStdString());
  EXPECT_EQ(r.err.toStdString(), c.err.toStdString());
  const QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  QStringList expectedNames;
  for (const auto& [name, bytes] : c.after) {
    expectedNames << name;
    EXPECT_EQ(readBytes(dir.filePath(name)).toStdString(), bytes.toStdString()) << name.toStdString();
  }
  EXPECT_EQ(names, expectedNames);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceCli, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

// Killed while a new content is being written, the process leaves every file
// either as it was or completely replaced; never a partial file.
TEST(ReplaceCliCrash, KilledWhileWritingLeavesEveryFileWholeOldOrWholeNew) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const int kFiles = 12;
  QByteArray original;
  for (int i = 0; i < 200000; ++i) original += "<p class=\"cat\">a cat line</p>\r\n";  // about 6 MB
  QByteArray replaced = original;
  replaced.replace("cat", "tiger");
  QStringList args{"--find", "cat", "--replace", "tiger"};
  for (int i = 0; i < kFiles; ++i) {
    const QString name = QString("page%1.htm").arg(i, 2, 10, QChar('0'));
    test::writeBytes(dir.filePath(name), original);
    args << name;
  }

  QProcess p;
  p.setWorkingDirectory(dir.path());
  p.start(test::binDir() + "/markloom-cli", QStringList{"replace"} + args);
  ASSERT_TRUE(p.waitForStarted(10000));
  // Wait for a new content being written (a hidden sibling), then kill at once.
  const QDir folder(dir.path());
  bool sawTemporary = false;
  QElapsedTimer timer;
  timer.start();
  while (!sawTemporary && timer.elapsed() < 60000 && p.state() == QProcess::Running) {
    sawTemporary = !folder.entryList({".*.mk*"}, QDir::Files | QDir::Hidden).isEmpty();
  }
  ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
  p.waitForFinished(10000);
  ASSERT_TRUE(sawTemporary) << "the pass ended before it could be interrupted";

  int whole = 0, untouched = 0;
  for (int i = 0; i < kFiles; ++i) {
    const QByteArray now = readBytes(dir.filePath(QString("page%1.htm").arg(i, 2, 10, QChar('0'))));
    if (now == replaced)
      ++whole;
    else if (now == original)
      ++untouched;
    else
      ADD_FAILURE() << "page " << i << " is neither the original nor the replaced text";
  }
  EXPECT_EQ(whole + untouched, kFiles);
  EXPECT_GE(untouched, 1);
  // Only hidden partial siblings may be left; no visible file appeared or vanished.
  EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name).size(), kFiles);
}

}  // namespace
}  // namespace markloom
