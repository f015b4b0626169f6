#include "temp_home.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace markloom::test {

namespace {
void copyTree(const QString& from, const QString& to) {
  QDir().mkpath(to);
  QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString src = it.next();
    const QString dst = to + "/" + QDir(from).relativeFilePath(src);
    if (QFileInfo(src).isDir())
      QDir().mkpath(dst);
    else
      QFile::copy(src, dst);
  }
}
}  // namespace

TempHome::TempHome(bool withExtensions) {
  EXPECT_TRUE(dir_.isValid());
  oldHome_ = qgetenv("MARKLOOM_HOME");
  oldConfig_ = qgetenv("XDG_CONFIG_HOME");
  qputenv("MARKLOOM_HOME", dir_.path().toLocal8Bit());
  QDir().mkpath(dir_.path() + "/.config");
  qputenv("XDG_CONFIG_HOME", (dir_.path() + "/.config").toLocal8Bit());
  // Per-user data (crash recovery copies) stays in the test's folder too.
  oldData_ = qgetenv("XDG_DATA_HOME");
  QDir().mkpath(dir_.path() + "/.local/share");
  qputenv("XDG_DATA_HOME", (dir_.path() + "/.local/share").toLocal8Bit());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path() + "/.config");
  // A channel of its own, so parallel tests never talk to each other or to a
  // running editor.
  static int serial = 0;
  oldChannelName_ = qgetenv("MARKLOOM_PLUG_NAME");
  qputenv("MARKLOOM_PLUG_NAME",
          QString("markloom-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial).toLocal8Bit());
  if (withExtensions) copyTree(binDir() + "/Extensions", dir_.path() + "/Extensions");
}

TempHome::~TempHome() {
  if (oldHome_.isNull())
    qunsetenv("MARKLOOM_HOME");
  else
    qputenv("MARKLOOM_HOME", oldHome_);
  if (oldChannelName_.isNull())
    qunsetenv("MARKLOOM_PLUG_NAME");
  else
    qputenv("MARKLOOM_PLUG_NAME", oldChannelName_);
  if (oldData_.isNull())
    qunsetenv("XDG_DATA_HOME");
  else
    qputenv("XDG_DATA_HOME", oldData_);
  if (oldConfig_.isNull())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", oldConfig_);
}

QString TempHome::path() const { return dir_.path() + "/"; }
QString TempHome::file(const QString& relative) const { return path() + relative; }

void TempHome::write(const QString& relative, const QByteArray& bytes) const {
  const QString p = file(relative);
  QDir().mkpath(QFileInfo(p).absolutePath());
  QFile f(p);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

QByteArray TempHome::read(const QString& relative) const {
  QFile f(file(relative));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

QStringList TempHome::lines(const QString& relative) const {
  QStringList out = QString::fromUtf8(read(relative)).split(QStringLiteral("\r\n"));
  out.removeLast();  // what follows the last line end
  return out;
}

QString binDir() { return QStringLiteral(MARKLOOM_BIN_DIR); }
QString sourceDir() { return QStringLiteral(MARKLOOM_SOURCE_DIR); }

}  // namespace markloom::test
