#pragma once
// Every key and value of the settings store, in the order they are loaded.
#include <functional>
#include <string>
#include <vector>

#include "core/settings/settings_snapshot.h"
#include "core/settings/settings_store.h"

namespace markloom {

struct SettingsKey {
  std::string key;                  // "" for the main key
  std::vector<std::string> values;  // in load order
};

// The keys read into the snapshot, in load order. The "Programs" key is read
// before "Tidy"; the snapshot is applied to the main window right after it.
const std::vector<SettingsKey>& snapshotKeys();

// Values kept in the store but not in the snapshot (the Preferences dialog's own).
const std::vector<SettingsKey>& dialogOnlyValues();

// Reads the store into snapshot in load order. Each key is opened with create;
// a key that cannot be opened is skipped. After the "Programs" key, afterPrograms
// runs (the main window applies browsers and the start folder there).
// A value that is not text raises invalidDataType(name); the values read until
// then stay in the snapshot and the rest keep their previous text.
void loadSnapshot(SettingsStore& store, SettingsSnapshot& snapshot, const std::function<void()>& afterPrograms);

// What a new installation puts into an empty store, so that document windows and
// the Preferences dialog open without a conversion error.
void writeInstallationDefaults(SettingsStore& store);

}  // namespace markloom
