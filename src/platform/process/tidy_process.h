#pragma once
// Starting the tidy program: Extensions/tidy when the program folder has one,
// otherwise tidy on the PATH. Arguments go as a list, never through a shell;
// the run is asynchronous and stopped when it outlasts its time limit.
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace markloom {

// Where a run's files live: the work file, and the folder tidy runs in (the
// generated configuration and error.log go there). Both follow the work
// folder, so a read-only program folder sends them to the per-user folder
// together.
struct TidyPaths {
  QString program;       // empty when no tidy is found
  QString workFolder;    // with a trailing '/'
  QString workFile;      // tidy.tmp
  QString log;           // error.log in workFolder
  // Where the fixed configurations are looked for, file by file, in order: the
  // user's own Extensions folder (when the program folder is not theirs), then
  // the program's. Each with a trailing '/'.
  QStringList configFolders;
  // The fixed configuration file named name: in the first folder that has it,
  // otherwise in the last (so a missing file is reported where it was expected).
  QString configFile(const QString& name) const;
  static TidyPaths locate();
  // A run of its own in folder (with a trailing '/'): every work file there.
  static TidyPaths inFolder(const QString& folder);
  // Extensions/tidy of the program folder when it is there, else tidy on the PATH; empty when neither.
  static QString findProgram();
};

struct TidyOutcome {
  enum class Status { Finished, FailedToStart, TimedOut, Crashed };
  Status status = Status::FailedToStart;
  int exitCode = -1;
  QByteArray errorOutput;  // what tidy wrote to standard error
};

class TidyProcess : public QObject {
  Q_OBJECT
 public:
  explicit TidyProcess(QObject* parent = nullptr);
  ~TidyProcess() override;

  // Starts program with args in workFolder; finished() follows exactly once,
  // also when the program cannot be started.
  void start(const QString& program, const QStringList& args, const QString& workFolder, int timeLimitMs);
  bool running() const { return process_.state() != QProcess::NotRunning || pending_; }

  // The same, waiting for the end (batch use).
  static TidyOutcome run(const QString& program, const QStringList& args, const QString& workFolder, int timeLimitMs);

 signals:
  void finished(const markloom::TidyOutcome& outcome);

 private:
  void finish(TidyOutcome::Status status);

  QProcess process_;
  QTimer limit_;
  bool timedOut_ = false;
  bool pending_ = false;
};

}  // namespace markloom
