#include "core/settings/settings_schema.h"

#include <algorithm>
#include <string>

#include "core/common/error.h"
#include "core/settings/settings_table.h"

namespace markloom {

std::vector<std::string_view> snapshotSections() {
  std::vector<std::string_view> sections;
  for (const SettingRow* row : settingsTable())
    if (row->inSnapshot && std::find(sections.begin(), sections.end(), row->section) == sections.end())
      sections.push_back(row->section);
  return sections;
}

void loadSnapshot(SettingsStore& store, SettingsSnapshot& snapshot, const std::function<void()>& afterPrograms) {
  for (const std::string_view section : snapshotSections()) {
    const std::string key(section);
    if (store.openKey(key, true)) {
      for (const SettingRow* row : settingsTable()) {
        if (!row->inSnapshot || row->section != section) continue;
        const std::string name(row->key);
        const auto read = store.read(key, name);
        if (read.status == SettingsStore::ReadStatus::WrongType) throw invalidDataType(name);
        if (read.status == SettingsStore::ReadStatus::Text)
          snapshot.set(*row, read.text);
        else
          snapshot.set(*row, row->whenAbsent ? std::string(row->whenAbsent) : std::string());
      }
    }
    if (section == kBrowser[0].row.section && afterPrograms) afterPrograms();
  }
}

void writeInstallationDefaults(SettingsStore& store) {
  for (const SettingRow* row : settingsTable()) {
    if (!row->firstRun) continue;
    const std::string key(row->section);
    if (store.openKey(key, true)) store.write(key, std::string(row->key), row->firstRun);
  }
}

std::string readStored(SettingsStore& store, const SettingRow& row) {
  const std::string key(row.section);
  if (!store.openKey(key, false)) return {};
  const SettingsStore::Read read = store.read(key, std::string(row.key));
  return read.status == SettingsStore::ReadStatus::Text ? read.text : std::string();
}

}  // namespace markloom
