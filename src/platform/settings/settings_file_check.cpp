#include "platform/settings/settings_file_check.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/settings/ini_damage.h"

namespace markloom {

namespace {
// What is wrong with the file at path; empty when it is sound or absent.
QString damageOf(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
  if (S_ISDIR(st.st_mode)) return "it is a folder, not a file";
  if (!S_ISREG(st.st_mode)) return "it is not a regular file";
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "it cannot be read: " + file.errorString();
  const QByteArray bytes = file.readAll();
  const auto damage = findIniDamage(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!damage) return {};
  return QString("line %1: %2").arg(damage->line).arg(QString::fromStdString(damage->what));
}
}  // namespace

QString settingsFilePath() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, "Tarnwell", "Markloom 5.0").fileName();
}

QString setAsideDamagedSettings(const QDateTime& now) {
  const QString path = settingsFilePath();
  const QString damage = damageOf(path);
  if (damage.isEmpty()) return {};
  QString aside = path + ".damaged-" + now.toString("yyyyMMdd-HHmmss");
  for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
    aside = path + ".damaged-" + now.toString("yyyyMMdd-HHmmss") + "-" + QString::number(n);
  // rename() moves a folder as well as a file.
  const QString report = "The settings file " + path + " is damaged (" + damage + ").\n";
  if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0) {
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    // Nothing may write over the damaged file: this run keeps its settings in
    // an owner-only folder of its own.
    QByteArray folder = QFile::encodeName(QDir::tempPath() + "/markloom-settings-XXXXXX");
    if (::mkdtemp(folder.data()) == nullptr)
      return report + "It could not be moved aside (" + reason + "), nor could a folder be made for this run's settings.";
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QFile::decodeName(folder));
    return report + "It could not be moved aside (" + reason + "); it is left as it is, and Markloom starts with " +
           "the default settings, keeping this run's changes in " + QFile::decodeName(folder) + " only.";
  }
  return report + "It was kept as " + aside + ", and Markloom starts with the default settings.";
}

}  // namespace markloom
