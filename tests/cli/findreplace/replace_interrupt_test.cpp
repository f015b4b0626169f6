// markloom-cli replace interrupted over a folder of pages: by SIGTERM or SIGINT
// it removes the new contents still in flight and ends by the signal; killed
// outright, it leaves them for the next run in that folder to sweep away.
// Either way every page is wholly old or wholly new.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/temp_home.h"

namespace markloom {
namespace {

constexpr int kPages = 200;

QString pageName(int i) { return QString("page%1.htm").arg(i, 3, 10, QChar('0')); }

QByteArray oldPage() {
  QByteArray page;
  for (int i = 0; i < 4000; ++i) page += "<p class=\"cat\">a cat line</p>\r\n";  // about 130 KB
  return page;
}

QByteArray newPage() {
  QByteArray page = oldPage();
  page.replace("cat", "tiger");
  return page;
}

// The replace run as its own process, so the test can signal it and read how it ended.
class ReplaceProcess {
 public:
  explicit ReplaceProcess(const QString& folder) {
    std::vector<std::string> args{
        (test::binDir() + "/markloom-cli").toStdString(), "replace", "--find", "cat", "--replace", "tiger"};
    for (int i = 0; i < kPages; ++i) args.push_back(QDir(folder).filePath(pageName(i)).toStdString());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    started_ = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
  }
  ~ReplaceProcess() {
    if (started_ && !reaped_) {
      ::kill(pid_, SIGKILL);
      wait();
    }
  }
  bool started() const { return started_; }
  pid_t pid() const { return pid_; }
  bool running() {
    if (reaped_) return false;
    const pid_t got = ::waitpid(pid_, &status_, WNOHANG);
    if (got == pid_) reaped_ = true;
    return !reaped_;
  }
  int wait() {
    if (!reaped_ && ::waitpid(pid_, &status_, 0) == pid_) reaped_ = true;
    return status_;
  }

 private:
  pid_t pid_ = -1;
  int status_ = 0;
  bool started_ = false;
  bool reaped_ = false;
};

QStringList stagingFiles(const QString& folder) {
  return QDir(folder).entryList({".*.mk*"}, QDir::Files | QDir::Hidden | QDir::System);
}

// Every page wholly old or wholly new; returns how many are new.
int checkPages(const QString& folder) {
  const QByteArray before = oldPage();
  const QByteArray after = newPage();
  int replaced = 0;
  for (int i = 0; i < kPages; ++i) {
    const QByteArray now = test::readBytes(QDir(folder).filePath(pageName(i)));
    if (now == after)
      ++replaced;
    else if (now != before)
      ADD_FAILURE() << pageName(i).toStdString() << " is neither the old nor the new page";
  }
  return replaced;
}

struct InterruptCase {
  const char* name;
  int signal;
  // 0: as soon as the first new content appears beside a page; otherwise once
  // that many pages are new, so the run is cut in the middle however fast
  // the machine is.
  int afterPages;
};

// How many pages already hold the new content (the new page is longer).
int newPages(const QString& folder) {
  const qint64 newSize = newPage().size();
  int n = 0;
  for (int i = 0; i < kPages; ++i) n += QFileInfo(QDir(folder).filePath(pageName(i))).size() == newSize ? 1 : 0;
  return n;
}

class ReplaceInterrupted : public ::testing::TestWithParam<InterruptCase> {};

TEST_P(ReplaceInterrupted, EveryPageWholeAndNoStagingFileLeft) {
  const InterruptCase& c = GetParam();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QByteArray page = oldPage();
  for (int i = 0; i < kPages; ++i) test::writeBytes(dir.filePath(pageName(i)), page);

  ReplaceProcess run(dir.path());
  ASSERT_TRUE(run.started());
  QElapsedTimer timer;
  timer.start();
  bool sawStaging = false;
  while (!sawStaging && run.running() && timer.elapsed() < 60000) sawStaging = !stagingFiles(dir.path()).isEmpty();
  ASSERT_TRUE(sawStaging) << "the run ended before it could be interrupted";
  while (c.afterPages > 0 && run.running() && newPages(dir.path()) < c.afterPages && timer.elapsed() < 60000)
    QThread::usleep(200);
  ::kill(run.pid(), c.signal);
  const int status = run.wait();
  const QDateTime killedAt = QDateTime::currentDateTime();

  if (!WIFSIGNALED(status)) {
    // It may have finished first; then it must have finished everything.
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_EQ(checkPages(dir.path()), kPages);
  } else {
    EXPECT_EQ(WTERMSIG(status), c.signal) << "ends by the signal, so a shell reports 128 + signal";
    const int replaced = checkPages(dir.path());
    EXPECT_LT(replaced, kPages);
  }
  if (c.signal != SIGKILL) {
    EXPECT_EQ(stagingFiles(dir.path()), QStringList{}) << "removed by the signal handler";
    return;
  }
  // Killed outright: the next run sweeps the leftovers (once they are a
  // couple of seconds old, so that a live writer's fresh file is never taken)
  // and replaces the rest.
  const qint64 settle = 2100 - killedAt.msecsTo(QDateTime::currentDateTime());
  if (settle > 0) QThread::msleep(static_cast<unsigned long>(settle));
  ReplaceProcess next(dir.path());
  ASSERT_TRUE(next.started());
  const int nextStatus = next.wait();
  EXPECT_TRUE(WIFEXITED(nextStatus) && WEXITSTATUS(nextStatus) == 0) << "status " << nextStatus;
  EXPECT_EQ(checkPages(dir.path()), kPages);
  EXPECT_EQ(stagingFiles(dir.path()), QStringList{}) << "swept by the next run";
}

INSTANTIATE_TEST_SUITE_P(Signals, ReplaceInterrupted,
                         ::testing::Values(InterruptCase{"TermAtOnce", SIGTERM, 0},
                                           InterruptCase{"TermLater", SIGTERM, 40},
                                           InterruptCase{"IntAtOnce", SIGINT, 0}, InterruptCase{"IntLater", SIGINT, 20},
                                           InterruptCase{"KillAtOnce", SIGKILL, 0},
                                           InterruptCase{"KillLater", SIGKILL, 30}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace markloom
