// One tidy run over a job, waited for and in the background, with a stand-in
// tool that shows what it was handed and answers with a log, standard error
// and a changed work file.
#include "platform/process/tidy_job_runner.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "core/common/error.h"

namespace markloom {
namespace {

using Lines = std::vector<std::string>;

// Copies what it was given beside the work file (its last argument), logs one
// warning naming the page's placeholder, says one thing on standard error and
// turns "one" into "two" in the work file.
const QByteArray kStandIn =
    "#!/bin/sh\n"
    "printf '%s\\n' \"$@\" > args.seen\n"
    "for f; do :; done\n"
    "cp \"$f\" page.seen\n"
    "cp \"$2\" config.seen\n"
    "placeholder=$(grep -o 'mklmsrv[0-9]*x' \"$f\" | head -n 1)\n"
    "printf 'line 1 - Warning: %s\\r\\n' \"$placeholder\" > error.log\n"
    "echo 'Config: unknown option: x' >&2\n"
    "sed 's/one/two/' \"$f\" > \"$f.new\" && mv \"$f.new\" \"$f\"\n"
    "exit 1\n";

const std::string kPage = "<p title=\"<?= $t ?>\">one</p>\r\n";

class TidyJobRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(work.isValid() && configs.isValid());
    write(configs.path() + "/qdtidyformat.qdf", "fixed: yes\r\n");
    write(work.path() + "/tidy", kStandIn);
    QFile::setPermissions(work.path() + "/tidy", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  TidyPaths paths() const {
    TidyPaths p = TidyPaths::inFolder(work.path() + "/");
    p.program = work.path() + "/tidy";
    p.configFolders = {configs.path() + "/"};
    return p;
  }
  static void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QByteArray seen(const QString& name) const {
    QFile f(work.path() + "/" + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
  }
  // Runs the job waiting or in the background; the outcome either way.
  static TidyOutcome runJob(TidyJobRunner& runner, bool background) {
    if (!background) return runner.run(30000);
    QSignalSpy ended(&runner, &TidyJobRunner::finished);
    runner.start(30000);
    EXPECT_TRUE(ended.wait(30000));
    EXPECT_EQ(ended.count(), 1);
    return ended.isEmpty() ? TidyOutcome{} : ended.front().front().value<TidyOutcome>();
  }

  QTemporaryDir work;
  QTemporaryDir configs;
};

// Both ways hand tidy the same files and read back the same messages and result.
TEST_F(TidyJobRun, WaitedForOrInTheBackgroundReadsBackTheSame) {
  for (const bool background : {false, true}) {
    SCOPED_TRACE(background ? "background" : "waited for");
    write(work.path() + "/error.log", "an old run's log\r\n");
    TidyJobRunner runner(prepareTidyJob(TidyCommand::Format, kPage, TextEncoding::Utf8), paths());
    const TidyOutcome outcome = runJob(runner, background);
    ASSERT_EQ(outcome.status, TidyOutcome::Status::Finished);
    EXPECT_EQ(outcome.exitCode, 1);

    const QString workFile = work.path() + "/tidy.tmp";
    EXPECT_EQ(seen("args.seen"), ("-config\n" + configs.path() + "/qdtidyformat.qdf\n--input-encoding\nutf8\n"
                                  "--output-encoding\nutf8\n" + workFile + "\n")
                                     .toUtf8());
    EXPECT_EQ(seen("page.seen").toStdString(), runner.job().page.text);
    EXPECT_EQ(seen("config.seen"), "fixed: yes\r\n");

    EXPECT_EQ(runner.messageLines(outcome),
              (Lines{"line 1 - Warning: <?= $t ?>", "Config: unknown option: x"}));
    EXPECT_EQ(runner.messageText(outcome), "line 1 - Warning: <?= $t ?>\r\nConfig: unknown option: x\n");
    EXPECT_EQ(runner.result(TextCodec::detect(kPage)), "<p title=\"<?= $t ?>\">two</p>\r\n");
  }
}

TEST_F(TidyJobRun, FixAndFormatWritesItsConfigurationIntoTheWorkFolder) {
  TidyOptions options;
  options.encoding = TidyEncoding::Raw;
  const TidyTagSettings tags{"span", "", "", ""};
  TidyJobRunner runner(prepareTidyJob(TidyCommand::FixAndFormat, kPage, TextEncoding::Utf8, options, tags), paths());
  EXPECT_EQ(runner.configPath(), work.path() + "/qdtidyformatx.qdf");
  EXPECT_EQ(runner.arguments(), (QStringList{"-config", runner.configPath(), work.path() + "/tidy.tmp"}));
  ASSERT_EQ(runner.run(30000).status, TidyOutcome::Status::Finished);
  EXPECT_EQ(seen("config.seen").toStdString(), generateConfig(options, tags));
}

// An old log never passes for this run's, and no log reads as no messages.
TEST_F(TidyJobRun, ClearsAnOldLogBeforeTheRun) {
  write(work.path() + "/tidy", "#!/bin/sh\nexit 0\n");
  write(work.path() + "/error.log", "an old run's log\r\n");
  TidyJobRunner runner(prepareTidyJob(TidyCommand::Format, "<p>x</p>", TextEncoding::Utf8), paths());
  const TidyOutcome outcome = runner.run(30000);
  ASSERT_EQ(outcome.status, TidyOutcome::Status::Finished);
  EXPECT_EQ(runner.log(), "");
  EXPECT_EQ(runner.messageLines(outcome), Lines{});
}

TEST_F(TidyJobRun, AWorkFileThatCannotBeWrittenStopsTheRunBeforeItStarts) {
  TidyPaths p = paths();
  p.workFolder = work.path() + "/missing/";
  p.workFile = p.workFolder + "tidy.tmp";
  p.log = p.workFolder + "error.log";
  for (const bool background : {false, true}) {
    TidyJobRunner runner(prepareTidyJob(TidyCommand::Format, kPage, TextEncoding::Utf8), p);
    QSignalSpy ended(&runner, &TidyJobRunner::finished);
    if (background)
      EXPECT_THROW(runner.start(30000), Error);
    else
      EXPECT_THROW(runner.run(30000), Error);
    EXPECT_FALSE(runner.running());
    EXPECT_EQ(seen("args.seen"), "(missing)");
    EXPECT_TRUE(ended.isEmpty());
  }
}

// The fixed configurations are found file by file: a per-user Extensions
// folder (made for the work files) without them does not hide the shipped ones,
// and a user's own copy of one wins.
TEST(TidyPathsConfig, EachConfigurationIsTakenFromTheFirstFolderThatHasIt) {
  QTemporaryDir user, shipped;
  const QString u = user.path() + "/", s = shipped.path() + "/";
  QFile(s + "qdtidyformat.qdf").open(QIODevice::WriteOnly);
  QFile(s + "qdtidyxml.qdf").open(QIODevice::WriteOnly);
  QFile(u + "qdtidyxml.qdf").open(QIODevice::WriteOnly);
  TidyPaths p;
  p.configFolders = {u, s};
  EXPECT_EQ(p.configFile("qdtidyformat.qdf"), s + "qdtidyformat.qdf");
  EXPECT_EQ(p.configFile("qdtidyxml.qdf"), u + "qdtidyxml.qdf");
  EXPECT_EQ(p.configFile("qdtidyxhtml.qdf"), s + "qdtidyxhtml.qdf");  // missing: named where it belongs
}

}  // namespace
}  // namespace markloom
