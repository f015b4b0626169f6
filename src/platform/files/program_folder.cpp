#include "platform/files/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace markloom {

namespace {
QString withSlash(QString folder) {
  if (!folder.endsWith('/')) folder += '/';
  return folder;
}
}  // namespace

QString programFolder() {
  const QString home = qEnvironmentVariable("MARKLOOM_HOME");
  if (!home.isEmpty()) return withSlash(QDir(home).absolutePath());
  return withSlash(QCoreApplication::applicationDirPath());
}

QString programPath(const QString& relative) {
  QString r = relative;
  r.replace('\\', '/');
  return programFolder() + r;
}

QString workFolder() {
  const QString folder = programFolder();
  if (QFileInfo(folder).isWritable()) return folder;
  const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(user);
  return withSlash(user);
}

QString workPath(const QString& relative) {
  QString r = relative;
  r.replace('\\', '/');
  return workFolder() + r;
}

}  // namespace markloom
