#include "platform/process/tidy_process.h"

#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/files/program_folder.h"

namespace markloom {

namespace {

// Tidy ends with the program that started it, however that ends (a SIGKILL
// included): a killed run never leaves the tool working on its own.
void stopWithParent(QProcess& process) {
  const pid_t parent = ::getpid();
  process.setChildProcessModifier([parent] {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);  // the parent ended before the line above
  });
}

}  // namespace

QString TidyPaths::findProgram() {
  const QString bundled = programPath("Extensions/tidy");
  const QFileInfo info(bundled);
  return info.isFile() && info.isExecutable() ? bundled : QStandardPaths::findExecutable("tidy");
}

TidyPaths TidyPaths::inFolder(const QString& folder) {
  TidyPaths p;
  p.program = findProgram();
  p.workFolder = folder;
  p.workFile = folder + "tidy.tmp";
  p.log = folder + "error.log";
  if (!programFolderIsUsersOwn()) p.configFolders << userDataFolder() + "Extensions/";
  p.configFolders << programFolder() + "Extensions/";
  return p;
}

QString TidyPaths::configFile(const QString& name) const {
  for (const QString& folder : configFolders)
    if (QFileInfo(folder + name).isFile()) return folder + name;
  return configFolders.isEmpty() ? name : configFolders.last() + name;
}

TidyPaths TidyPaths::locate() {
  TidyPaths p = inFolder(workPath("Extensions/"));
  QDir().mkpath(p.workFolder);
  p.workFile = workPath("tidy.tmp");
  return p;
}

TidyProcess::TidyProcess(QObject* parent) : QObject(parent) {
  limit_.setSingleShot(true);
  connect(&limit_, &QTimer::timeout, this, [this] {
    timedOut_ = true;
    process_.kill();
  });
  connect(&process_, &QProcess::finished, this, [this](int, QProcess::ExitStatus status) {
    if (timedOut_)
      finish(TidyOutcome::Status::TimedOut);
    else
      finish(status == QProcess::NormalExit ? TidyOutcome::Status::Finished : TidyOutcome::Status::Crashed);
  });
  connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) finish(TidyOutcome::Status::FailedToStart);
  });
}

TidyProcess::~TidyProcess() {
  // Never leave the tool running behind a closed window.
  if (process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished(5000);
  }
}

void TidyProcess::start(const QString& program, const QStringList& args, const QString& workFolder, int timeLimitMs) {
  timedOut_ = false;
  pending_ = true;
  if (program.isEmpty()) {
    // Reported from the event loop, as a failed start of a real program is.
    QMetaObject::invokeMethod(
        this, [this] { finish(TidyOutcome::Status::FailedToStart); }, Qt::QueuedConnection);
    return;
  }
  process_.setWorkingDirectory(workFolder);
  process_.setProcessChannelMode(QProcess::SeparateChannels);
  process_.setStandardOutputFile(QProcess::nullDevice());
  stopWithParent(process_);
  process_.start(program, args);
  limit_.start(timeLimitMs);
}

void TidyProcess::finish(TidyOutcome::Status status) {
  if (!pending_) return;
  pending_ = false;
  limit_.stop();
  TidyOutcome outcome;
  outcome.status = status;
  if (status == TidyOutcome::Status::Finished) outcome.exitCode = process_.exitCode();
  if (status != TidyOutcome::Status::FailedToStart) outcome.errorOutput = process_.readAllStandardError();
  emit finished(outcome);
}

TidyOutcome TidyProcess::run(const QString& program, const QStringList& args, const QString& workFolder,
                             int timeLimitMs) {
  TidyOutcome outcome;
  if (program.isEmpty()) return outcome;
  QProcess p;
  p.setWorkingDirectory(workFolder);
  p.setStandardOutputFile(QProcess::nullDevice());
  stopWithParent(p);
  p.start(program, args);
  if (!p.waitForStarted()) return outcome;
  if (!p.waitForFinished(timeLimitMs)) {
    p.kill();
    p.waitForFinished(5000);
    outcome.status = TidyOutcome::Status::TimedOut;
  } else if (p.exitStatus() != QProcess::NormalExit) {
    outcome.status = TidyOutcome::Status::Crashed;
  } else {
    outcome.status = TidyOutcome::Status::Finished;
    outcome.exitCode = p.exitCode();
  }
  outcome.errorOutput = p.readAllStandardError();
  return outcome;
}

}  // namespace markloom
