#include "platform/settings/ini_settings_store.h"

#include <gtest/gtest.h>

#include <QFile>

#include "core/settings/preferences_values.h"
#include "core/settings/settings_schema.h"
#include "core/settings/settings_table.h"
#include "temp_home.h"

namespace markloom {
namespace {

// Texts a user may type into any field: separators, quotes, the INI file's
// own special characters, 8-bit bytes.
std::string awkwardText(const SettingRow& row) {
  return std::string(row.key) + " = a; b, \"c\" [d] #e \\f %g " + "\xc3\xa9";
}

TEST(IniSettingsStore, EveryRowOfTheTableRoundTripsThroughTheFile) {
  test::TempHome home(false);
  PreferenceValues written;
  for (const SettingRow* row : settingsTable()) written.set(*row, awkwardText(*row));
  {
    IniSettingsStore store;
    EXPECT_TRUE(store.isNew());
    writePreferences(store, written);
    for (const SettingRow* row : settingsTable())
      if (row->writeRank == 0) store.write(std::string(row->section), std::string(row->key), awkwardText(*row));
    store.sync();
    // It may hold the proxy password: nobody but its owner reads it.
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_EQ(QFile::permissions(store.fileName()) & others, QFileDevice::Permissions());
    EXPECT_TRUE(QFile::permissions(store.fileName()) & QFileDevice::ReadOwner);
  }
  IniSettingsStore reopened;
  EXPECT_FALSE(reopened.isNew());
  SettingsSnapshot snapshot;
  loadSnapshot(reopened, snapshot, {});
  for (const SettingRow* row : settingsTable()) {
    SCOPED_TRACE(std::string(row->section) + "\\" + std::string(row->key));
    EXPECT_EQ(readStored(reopened, *row), awkwardText(*row));
    if (row->inSnapshot) {
      EXPECT_EQ(snapshot.text(*row), awkwardText(*row));
    }
  }
}

TEST(IniSettingsStore, KeysKeepTheirStoredNames) {
  // The file is shared with earlier versions: keys and value names stay as
  // they always were.
  test::TempHome home(false);
  {
    IniSettingsStore store;
    PreferenceValues v;
    v.set(kBlockIndent, "3");
    v.set(kEditorBackground1, "clNavy");
    v.set(kBrowserTitle[2], "Third");
    writePreferences(store, v);
  }
  IniSettingsStore store;
  QSettings raw(store.fileName(), QSettings::IniFormat);
  EXPECT_EQ(raw.value("Block Indent").toString(), "3");
  EXPECT_EQ(raw.value("Colors/Editor Background 1").toString(), "clNavy");
  EXPECT_EQ(raw.value("Programs/Browser 3 Title").toString(), "Third");
}

}  // namespace
}  // namespace markloom
