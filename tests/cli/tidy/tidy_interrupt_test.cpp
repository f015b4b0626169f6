// markloom-cli tidy ended by a signal while tidy runs: its work folder goes
// and tidy stops with it; what a SIGKILL leaves, the next run sweeps.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include "support/cli_run.h"
#include "support/temp_home.h"

namespace markloom::test {
namespace {

bool processGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

// Waits (bounded) until done() holds.
bool within10s(const std::function<bool()>& done) {
  QDeadlineTimer deadline(10000);
  while (!done() && !deadline.hasExpired()) QThread::msleep(20);
  return done();
}

class TidyInterrupt : public ::testing::Test {
 protected:
  void SetUp() override {
    // A tidy that says who it is and then works for a long time.
    home.write("Extensions/tidy", "#!/bin/sh\necho $$ > \"$TIDY_PID_FILE\"\nexec sleep 30\n");
    QFile::setPermissions(home.file("Extensions/tidy"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeBytes(page(), "<p>x</p>\n");
  }
  QString page() const { return work.filePath("a.htm"); }
  QString pidFile() const { return work.filePath("tidy.pid"); }
  QStringList workFolders() const { return QDir(temp.path()).entryList({"markloom-cli-*"}, QDir::AllEntries); }

  // Starts a run that waits on the slow tidy; returns tidy's process id.
  pid_t startRun(QProcess& run) {
    QFile::remove(pidFile());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TMPDIR", temp.path());
    env.insert("TIDY_PID_FILE", pidFile());
    run.setProcessEnvironment(env);
    run.start(binDir() + "/markloom-cli", {"tidy", "--format", "--time-limit", "60", page()});
    EXPECT_TRUE(within10s([&] { return QFile(pidFile()).size() > 0; })) << "tidy did not start";
    return static_cast<pid_t>(readBytes(pidFile()).trimmed().toLong());
  }

  TempHome home;
  QTemporaryDir work;
  QTemporaryDir temp;  // the runs' TMPDIR
};

TEST_F(TidyInterrupt, ACaughtSignalRemovesTheWorkFolderAndStopsTidy) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(strsignal(signal));
    QProcess run;
    const pid_t tidy = startRun(run);
    ASSERT_GT(tidy, 0);
    ASSERT_EQ(workFolders().size(), 1) << "the run works in a folder of its own";
    ::kill(static_cast<pid_t>(run.processId()), signal);
    ASSERT_TRUE(run.waitForFinished(10000));
    EXPECT_EQ(run.exitStatus(), QProcess::CrashExit) << "it ends by the signal, as the shell expects";
    EXPECT_EQ(workFolders(), QStringList());
    EXPECT_TRUE(within10s([&] { return processGone(tidy); })) << "tidy still runs";
  }
}

TEST_F(TidyInterrupt, AfterSigkillTidyStopsAndTheNextRunSweepsTheFolder) {
  // Folders the sweep must leave: a live run's (this test's own process),
  // another user's (as root; an ordinary user cannot make one, and has a link
  // to a folder of root's instead: the root tier runs this test too), and a
  // plain file with a work folder's name.
  const QString live = QString("markloom-cli-%1-aaaaaa").arg(::getpid());
  const QString foreign = "markloom-cli-999999999-bbbbbb";
  QDir(temp.path()).mkdir(live);
  if (::geteuid() == 0) {
    QDir(temp.path()).mkdir(foreign);
    ASSERT_EQ(::chown(QFile::encodeName(temp.filePath(foreign)).constData(), 12345, 12345), 0);
  } else {
    ASSERT_TRUE(QFile::link("/", temp.filePath(foreign)));
  }
  writeBytes(temp.filePath("markloom-cli-999999998-cccccc"), "not a folder");

  QProcess killed;
  const pid_t tidy = startRun(killed);
  ASSERT_GT(tidy, 0);
  const QStringList before = workFolders();
  ::kill(static_cast<pid_t>(killed.processId()), SIGKILL);
  ASSERT_TRUE(killed.waitForFinished(10000));
  EXPECT_TRUE(within10s([&] { return processGone(tidy); })) << "tidy outlived the run";
  EXPECT_EQ(workFolders(), before) << "SIGKILL cannot be caught: the folder stays for now";

  // The next run, timed out quickly, sweeps it on its way.
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("TMPDIR", temp.path());
  env.insert("TIDY_PID_FILE", pidFile());
  QProcess next;
  next.setProcessEnvironment(env);
  next.start(binDir() + "/markloom-cli", {"tidy", "--format", "--time-limit", "1", page()});
  ASSERT_TRUE(next.waitForFinished(30000));
  EXPECT_EQ(next.exitCode(), 3);
  QStringList left = workFolders();
  QStringList kept{live, "markloom-cli-999999998-cccccc", foreign};
  left.sort();
  kept.sort();
  EXPECT_EQ(left, kept);
}

}  // namespace
}  // namespace markloom::test
