#include "platform/process/tidy_job_runner.h"

#include <QFile>

#include "core/common/error.h"
#include "core/text/file_io.h"
#include "core/text/file_writer.h"

namespace markloom {

namespace {
std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }
}  // namespace

TidyJobRunner::TidyJobRunner(TidyJob job, TidyPaths paths, QObject* parent)
    : QObject(parent), job_(std::move(job)), paths_(std::move(paths)) {
  connect(&process_, &TidyProcess::finished, this, &TidyJobRunner::finished);
}

QString TidyJobRunner::configPath() const {
  const QString configName = QFile::decodeName(tidyConfigFile(job_.command));
  return job_.generatedConfig ? paths_.workFolder + configName : paths_.configFile(configName);
}

QStringList TidyJobRunner::arguments() const {
  QStringList args;
  for (const std::string& a : tidyArguments(local(configPath()), job_.plan, local(paths_.workFile)))
    args << QFile::decodeName(a.c_str());
  return args;
}

void TidyJobRunner::writeWorkFiles() const {
  if (job_.generatedConfig) writeWorkFile(local(configPath()), *job_.generatedConfig);
  writeWorkFile(local(paths_.workFile), job_.page.text);
  writeWorkFile(local(paths_.log), std::string());
}

void TidyJobRunner::start(int timeLimitMs) {
  writeWorkFiles();
  process_.start(paths_.program, arguments(), paths_.workFolder, timeLimitMs);
}

TidyOutcome TidyJobRunner::run(int timeLimitMs) {
  writeWorkFiles();
  return TidyProcess::run(paths_.program, arguments(), paths_.workFolder, timeLimitMs);
}

std::string TidyJobRunner::log() const {
  try {
    return readFile(local(paths_.log));
  } catch (const Error&) {
    return {};
  }
}

std::vector<std::string> TidyJobRunner::messageLines(const TidyOutcome& outcome) const {
  return tidyMessageLines(log(), outcome.errorOutput.toStdString(), job_.page);
}

std::string TidyJobRunner::messageText(const TidyOutcome& outcome) const {
  return tidyMessageText(log(), outcome.errorOutput.toStdString(), job_.page);
}

std::string TidyJobRunner::result(const TextCodec& codec) const {
  return job_.result(readFile(local(paths_.workFile)), codec);
}

}  // namespace markloom
