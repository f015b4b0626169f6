#include "cli_run.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

#include "temp_home.h"

namespace markloom::test {

CliRun runCli(const QStringList& args, const QString& workDir, int timeoutMs) {
  QProcess p;
  if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
  p.start(binDir() + "/markloom-cli", args);
  const bool finished = p.waitForFinished(timeoutMs);
  EXPECT_TRUE(finished) << "markloom-cli " << args.join(' ').toStdString();
  if (!finished) p.kill(), p.waitForFinished(5000);
  return {finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
          p.readAllStandardError()};
}

QByteArray readBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  f.write(bytes);
}

}  // namespace markloom::test
