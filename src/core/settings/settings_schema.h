#pragma once
// Loading the settings store into the snapshot, and what a new installation
// writes, both in the order and with the values of the settings table.
#include <functional>
#include <string_view>
#include <vector>

#include "core/settings/settings_snapshot.h"
#include "core/settings/settings_store.h"

namespace markloom {

// The store keys the snapshot is read from, in load order.
std::vector<std::string_view> snapshotSections();

// Reads the store into snapshot in load order. Each key is opened with create;
// a key that cannot be opened is skipped. After the "Programs" key, afterPrograms
// runs (the main window applies browsers and the start folder there).
// A value that is not text raises invalidDataType(name); the values read until
// then stay in the snapshot and the rest keep their previous text.
void loadSnapshot(SettingsStore& store, SettingsSnapshot& snapshot, const std::function<void()>& afterPrograms);

// What a new installation puts into an empty store (every row's first-run
// value), so that document windows and the Preferences dialog open without a
// conversion error.
void writeInstallationDefaults(SettingsStore& store);

// Reads one setting straight from the store ("" when absent, not text or
// its key cannot be opened), for the values kept out of the snapshot.
std::string readStored(SettingsStore& store, const SettingRow& row);

}  // namespace markloom
