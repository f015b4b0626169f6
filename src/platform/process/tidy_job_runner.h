#pragma once
// One tidy run over a prepared job: the configuration and the page go to the
// work files, tidy runs over them with a time limit, and its messages and
// result are read back from them. The Tidy menu runs it in the background,
// markloom-cli waits for it.
#include <QObject>
#include <QStringList>
#include <string>
#include <vector>

#include "core/text/text_codec.h"
#include "core/tidy/tidy_job.h"
#include "platform/process/tidy_process.h"

namespace markloom {

class TidyJobRunner : public QObject {
  Q_OBJECT
 public:
  TidyJobRunner(TidyJob job, TidyPaths paths, QObject* parent = nullptr);

  const TidyJob& job() const { return job_; }
  const TidyPaths& paths() const { return paths_; }
  // The configuration tidy reads: the generated one in the work folder, or
  // the command's fixed one in the configuration folder.
  QString configPath() const;
  QStringList arguments() const;

  // Both write the work files first (raising Error when one cannot be
  // written), with an empty error.log so an old one never passes for this
  // run's. start() reports through finished(), exactly once, from the event
  // loop; run() waits for the end.
  void start(int timeLimitMs);
  TidyOutcome run(int timeLimitMs);
  bool running() const { return process_.running(); }

  // After the end: what tidy logged (empty when it left no log).
  std::string log() const;
  std::vector<std::string> messageLines(const TidyOutcome& outcome) const;
  std::string messageText(const TidyOutcome& outcome) const;
  // The work file read back as the document's bytes; raises Error when it
  // cannot be read or the page's blocks cannot be put back.
  std::string result(const TextCodec& codec) const;

 signals:
  void finished(const markloom::TidyOutcome& outcome);

 private:
  void writeWorkFiles() const;

  TidyJob job_;
  TidyPaths paths_;
  TidyProcess process_;
};

}  // namespace markloom
