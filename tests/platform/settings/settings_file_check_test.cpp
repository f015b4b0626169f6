// The start-up check of the settings file: a damaged one is moved aside whole
// and reported with what is wrong and where; a sound one, including every text
// the store itself writes, is left as it is.
#include "platform/settings/settings_file_check.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/settings/settings_table.h"
#include "platform/settings/ini_settings_store.h"
#include "temp_home.h"

namespace markloom {
namespace {

const QDateTime kNow(QDate(2026, 12, 11), QTime(13, 5, 9));

void writeBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(SettingsFileCheck, ADamagedFileIsMovedAsideWholeAndReported) {
  struct Case {
    const char* name;
    QByteArray bytes;
    const char* reported;
  };
  const Case cases[] = {
      {"BrokenSection", "[General]\nA=1\n[Colors\nB=2\n", "line 3: a section line without its closing ']'"},
      {"NulBytes", QByteArray("[General]\nA=\0\0\n", 15), "line 2: a NUL byte"},
      {"NotIni", "<settings/>\n", "line 1: neither a [section] nor a name=value line"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempHome home(false);
    const QString path = settingsFilePath();
    writeBytes(path, c.bytes);
    const QString report = setAsideDamagedSettings(kNow);
    const QString aside = path + ".damaged-20261211-130509";
    EXPECT_TRUE(report.contains(path)) << report.toStdString();
    EXPECT_TRUE(report.contains(c.reported)) << report.toStdString();
    EXPECT_TRUE(report.contains("It was kept as " + aside)) << report.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
    QFile kept(aside);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), c.bytes);
    // The store starts afresh, with the defaults of a first run.
    IniSettingsStore store;
    EXPECT_TRUE(store.isNew());
    // A second damaged file the same second does not replace the first one kept.
    writeBytes(path, c.bytes);
    EXPECT_TRUE(setAsideDamagedSettings(kNow).contains(aside + "-2"));
    EXPECT_TRUE(QFileInfo::exists(aside));
  }
}

TEST(SettingsFileCheck, AFolderInThePlaceOfTheFileIsMovedAside) {
  test::TempHome home(false);
  const QString path = settingsFilePath();
  ASSERT_TRUE(QDir().mkpath(path + "/inside"));
  const QString report = setAsideDamagedSettings(kNow);
  EXPECT_TRUE(report.contains("it is a folder, not a file")) << report.toStdString();
  EXPECT_TRUE(QFileInfo(path + ".damaged-20261211-130509/inside").isDir());
  EXPECT_FALSE(QFileInfo::exists(path));
}

// The folder cannot be written, so the file cannot move: it stays as it is and
// this run's settings go elsewhere. (Root moves it anyway; scripts/test runs
// the suite as an ordinary user.)
TEST(SettingsFileCheck, AFileThatCannotBeMovedIsLeftAndTheRunSettlesElsewhere) {
  if (::geteuid() == 0) GTEST_SKIP() << "root can move the file out of any folder";
  test::TempHome home(false);
  const QString path = settingsFilePath();
  const QByteArray damaged = "[General\nA=1\n";
  writeBytes(path, damaged);
  const QString folder = QFileInfo(path).path();
  ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
  const QString report = setAsideDamagedSettings(kNow);
  EXPECT_TRUE(report.contains("line 1: a section line without its closing ']'")) << report.toStdString();
  EXPECT_TRUE(report.contains("could not be moved aside")) << report.toStdString();
  EXPECT_NE(settingsFilePath(), path);
  {
    IniSettingsStore store;
    EXPECT_TRUE(store.isNew());
    store.write("Proxies", "Server", "proxy.example");
    store.sync();
  }
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QFile kept(path);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), damaged);
  QDir runFolder(QFileInfo(settingsFilePath()).path());  // <temp>/markloom-settings-*/Tarnwell
  ASSERT_TRUE(runFolder.cdUp());
  EXPECT_TRUE(runFolder.dirName().startsWith("markloom-settings-"));
  runFolder.removeRecursively();
}

TEST(SettingsFileCheck, WhatTheStoreWritesAndNoFileAtAllPass) {
  test::TempHome home(false);
  EXPECT_EQ(setAsideDamagedSettings(kNow), QString());
  {
    IniSettingsStore store;
    // Texts with the INI file's own special characters, a line break and 8-bit bytes.
    for (const SettingRow* row : settingsTable())
      store.write(std::string(row->section), std::string(row->key),
                  std::string(row->key) + " = a; b,\n\"c\" [d] #e \\f %g \xe9");
    store.sync();
  }
  const QByteArray before = [] {
    QFile f(settingsFilePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();
  ASSERT_FALSE(before.isEmpty());
  EXPECT_EQ(setAsideDamagedSettings(kNow), QString());
  QFile after(settingsFilePath());
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), before);
}

}  // namespace
}  // namespace markloom
