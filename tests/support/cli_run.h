#pragma once
// Runs the built markloom-cli as a separate process, as a user would.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace markloom::test {

struct CliRun {
  int exitCode = -1;  // -1 when it crashed or did not finish in time
  QByteArray out;
  QByteArray err;
};

CliRun runCli(const QStringList& args, const QString& workDir = {}, int timeoutMs = 60000);

// Whole-file helpers for the files such tests prepare and inspect.
QByteArray readBytes(const QString& path);  // "<missing>" when it cannot be read
void writeBytes(const QString& path, const QByteArray& bytes);

}  // namespace markloom::test
