#include "platform/files/program_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

struct Found {
  QString folder;
  bool installed = false;
};

Found findProgramFolder(const QString& executableFolder) {
  const QDir bin(executableFolder);
  if (bin.exists(QStringLiteral("Extensions"))) return {withSlash(bin.absolutePath()), false};
  const QString installed = bin.absoluteFilePath(QStringLiteral("../share/markloom"));
  if (QFileInfo(installed + "/Extensions").isDir()) return {withSlash(QDir::cleanPath(installed)), true};
  return {withSlash(bin.absolutePath()), false};
}

QString userDataLocation() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Tarnwell/Markloom 5.0/";
}

Found programFolderFound() {
  const QString home = qEnvironmentVariable("MARKLOOM_HOME");
  if (!home.isEmpty()) return {withSlash(QDir(home).absolutePath()), false};
  static const Found found = findProgramFolder(QCoreApplication::applicationDirPath());
  return found;
}

// mkdir with owner-only permissions for every folder it has to create; folders
// already there are left as they are.
void makeOwnerOnlyPath(const QString& folder) {
  const QByteArray path = QFile::encodeName(QDir::cleanPath(folder));
  for (qsizetype slash = path.indexOf('/', 1); ; slash = path.indexOf('/', slash + 1)) {
    const QByteArray part = slash < 0 ? path : path.left(slash);
    ::mkdir(part.constData(), 0700);
    if (slash < 0) break;
  }
}
}  // namespace

QString programFolderFor(const QString& executableFolder) { return findProgramFolder(executableFolder).folder; }

QString programFolder() { return programFolderFound().folder; }

bool isUsersOwnCopy(const QString& folder, bool installed) {
  if (installed) return false;
  struct stat st {};
  if (::lstat(QFile::encodeName(QDir::cleanPath(folder)).constData(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
         ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

bool programFolderIsUsersOwn() {
  const Found found = programFolderFound();
  return isUsersOwnCopy(found.folder, found.installed);
}

QString userDataFolder() {
  const QString folder = userDataLocation();
  if (!QFileInfo(folder).isDir()) makeOwnerOnlyPath(folder);
  return folder;
}

QString programPath(const QString& relative) {
  const QString r = relativePath(relative);
  if (!programFolderIsUsersOwn()) {
    // Reading makes no folder.
    const QString own = userDataLocation() + r;
    if (QFileInfo::exists(own)) return own;
  }
  return programFolder() + r;
}

QString workFolder() { return programFolderIsUsersOwn() ? programFolder() : userDataFolder(); }

QString workPath(const QString& relative) {
  const QString path = workFolder() + relativePath(relative);
  const QString parent = path.endsWith('/') ? path : QFileInfo(path).path();
  if (!QFileInfo(parent).isDir()) makeOwnerOnlyPath(parent);
  return path;
}

}  // namespace markloom
