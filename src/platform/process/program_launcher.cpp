#include "platform/process/program_launcher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace markloom {

namespace {
// A name without a folder is looked up on the PATH, as a shell would.
QString resolveProgram(const QString& program) {
  if (program.isEmpty()) return {};
  if (!program.contains('/')) return QStandardPaths::findExecutable(program);
  const QFileInfo info(program);
  if (!info.isFile() || !info.isExecutable()) return {};
  return info.absoluteFilePath();
}
}  // namespace

bool startProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) {
  const QString resolved = resolveProgram(program);
  if (resolved.isEmpty()) return false;
  return QProcess::startDetached(resolved, arguments, workingFolder);
}

bool openWithDefaultHandler(const QString& fileOrAddress) {
  const QUrl url = QUrl::fromUserInput(fileOrAddress);
  if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile()) return false;
  return startProgram("xdg-open", {url.isLocalFile() ? url.toLocalFile() : url.toString()}, QString());
}

}  // namespace markloom
