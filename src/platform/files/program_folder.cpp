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

QString relativePath(const QString& relative) {
  QString r = relative;
  r.replace('\\', '/');
  return r;
}

QString userFolder() { return withSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)); }
}  // namespace

QString programFolderFor(const QString& executableFolder) {
  const QDir bin(executableFolder);
  if (bin.exists(QStringLiteral("Extensions"))) return withSlash(bin.absolutePath());
  const QString installed = bin.absoluteFilePath(QStringLiteral("../share/markloom"));
  if (QFileInfo(installed + "/Extensions").isDir()) return withSlash(QDir::cleanPath(installed));
  return withSlash(bin.absolutePath());
}

QString programFolder() {
  const QString home = qEnvironmentVariable("MARKLOOM_HOME");
  if (!home.isEmpty()) return withSlash(QDir(home).absolutePath());
  static const QString found = programFolderFor(QCoreApplication::applicationDirPath());
  return found;
}

QString programPath(const QString& relative) {
  const QString r = relativePath(relative);
  const QString folder = programFolder();
  if (!QFileInfo(folder).isWritable()) {
    const QString own = userFolder() + r;
    if (QFileInfo::exists(own)) return own;
  }
  return folder + r;
}

QString workFolder() {
  const QString folder = programFolder();
  if (QFileInfo(folder).isWritable()) return folder;
  const QString user = userFolder();
  QDir().mkpath(user);
  return user;
}

QString workPath(const QString& relative) { return workFolder() + relativePath(relative); }

}  // namespace markloom
