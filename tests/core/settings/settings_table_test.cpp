#include "core/settings/settings_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>

#include "core/memory_settings_store.h"
#include "core/settings/preferences_values.h"
#include "core/settings/settings_schema.h"

namespace markloom {
namespace {

using test::MemoryStore;

std::string name(const SettingRow& row) { return std::string(row.section) + "\\" + std::string(row.key); }

// A text no two rows share, unlike any default, with the characters a stored
// value may hold.
std::string distinctText(const SettingRow& row) { return "v=" + std::string(row.key) + "; \"x\" 100%"; }

TEST(SettingsTable, EveryRowNamesOneStoredValue) {
  std::set<std::string> seen;
  std::set<int> ranks;
  for (const SettingRow* row : settingsTable()) {
    SCOPED_TRACE(name(*row));
    EXPECT_FALSE(row->key.empty());
    EXPECT_TRUE(seen.insert(name(*row)).second) << "declared twice";
    if (row->writeRank > 0) {
      EXPECT_TRUE(ranks.insert(row->writeRank).second) << "two rows share a write rank";
    }
    if (row->kind == SettingKind::Flag && row->writeRank > 0) {
      EXPECT_FALSE(row->label.empty()) << "a box needs a caption";
    }
    if (row->kind == SettingKind::Integer) {
      EXPECT_LE(row->range.minimum, row->range.maximum);
    }
  }
}

TEST(SettingsTable, EveryRowRoundTripsThroughTheStore) {
  // Preferences writes what it edits; the snapshot reads it back, and the
  // values kept out of the snapshot are read from the store by their owner.
  PreferenceValues written;
  for (const SettingRow* row : settingsTable()) written.set(*row, distinctText(*row));
  MemoryStore store;
  writePreferences(store, written);
  // The rows Preferences does not write (the tidy time limit, the session
  // switch) are written by whoever owns them; the test writes them directly.
  for (const SettingRow* row : settingsTable())
    if (row->writeRank == 0 && store.openKey(std::string(row->section), true))
      store.set(std::string(row->section), std::string(row->key), distinctText(*row));

  SettingsSnapshot snapshot;
  loadSnapshot(store, snapshot, {});
  for (const SettingRow* row : settingsTable()) {
    SCOPED_TRACE(name(*row));
    EXPECT_EQ(readStored(store, *row), distinctText(*row));
    EXPECT_EQ(snapshot.text(*row), row->inSnapshot ? distinctText(*row) : "");
  }
}

TEST(SettingsTable, LoadReadsTheSnapshotRowsInTableOrder) {
  MemoryStore store;
  SettingsSnapshot snapshot;
  loadSnapshot(store, snapshot, {});
  std::vector<std::string> expected;
  // Table order within each key, the keys in the order they first appear.
  for (const std::string_view section : snapshotSections())
    for (const SettingRow* row : settingsTable())
      if (row->inSnapshot && row->section == section) expected.emplace_back(row->key);
  EXPECT_EQ(store.readOrder, expected);
  EXPECT_EQ(snapshotSections(),
            (std::vector<std::string_view>{"", "Proxies", "Hostdeck", "Colors", "Programs", "Tidy", "Proofing Tools"}));
}

TEST(SettingsTable, FirstRunWritesEveryRowDefaultAndEveryDefaultIsValid) {
  MemoryStore store;
  writeInstallationDefaults(store);
  for (const SettingRow* row : settingsTable()) {
    SCOPED_TRACE(name(*row));
    const bool written = store.values.count({std::string(row->section), std::string(row->key)}) > 0;
    EXPECT_EQ(written, row->firstRun != nullptr);
    if (row->firstRun) {
      EXPECT_EQ(store.text(std::string(row->section), std::string(row->key)), row->firstRun);
      EXPECT_EQ(refusedValue(*row, row->firstRun), std::nullopt);
    }
  }
  // A first run leaves a snapshot that Preferences would accept unchanged.
  SettingsSnapshot snapshot;
  loadSnapshot(store, snapshot, {});
  EXPECT_EQ(refusedPreference(snapshot), std::nullopt);
}

TEST(SettingsTable, PreferencesWritesKeyByKeyInRankOrder) {
  const std::vector<const SettingRow*> order = preferencesWriteOrder();
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end(),
                             [](const SettingRow* a, const SettingRow* b) { return a->writeRank < b->writeRank; }));
  // Each key's values are written together: a key, once left, never comes back.
  std::vector<std::string_view> keys;
  for (const SettingRow* row : order)
    if (keys.empty() || keys.back() != row->section) keys.push_back(row->section);
  EXPECT_EQ(keys, (std::vector<std::string_view>{"Tidy", "", "Proxies", "Hostdeck", "Programs", "Proofing Tools",
                                                 "Colors"}));
}

// Options added after users had stores read as a new installation has them
// until the user sets them; a value the user turned off stays off.
TEST(SettingsTable, AFlagMissingFromTheStoreReadsAsItsValueWhenAbsent) {
  struct Row {
    const char* name;
    const FlagSetting& flag;
    std::optional<std::string> stored;
    bool on;
  };
  const Row rows[] = {
      {"cuecard absent", kHtmlCuecard, std::nullopt, true},
      {"cuecard turned off", kHtmlCuecard, "", false},
      {"cuecard on", kHtmlCuecard, "True", true},
      {"script cuecard absent", kJavaScriptCuecard, std::nullopt, true},
      {"script cuecard turned off", kJavaScriptCuecard, "False", false},
      {"older flag absent", kAutoIndent, std::nullopt, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MemoryStore store;
    if (row.stored) {
      ASSERT_TRUE(store.openKey(std::string(row.flag.row.section), true));
      store.set(std::string(row.flag.row.section), std::string(row.flag.row.key), *row.stored);
    }
    SettingsSnapshot snapshot;
    loadSnapshot(store, snapshot, {});
    EXPECT_EQ(snapshot.get(row.flag), row.on);
    // A snapshot never loaded (a test's, or before the store is read) agrees.
    if (!row.stored) {
      EXPECT_EQ(SettingsSnapshot().get(row.flag), row.on);
    }
  }
}

TEST(SettingsSnapshot, TypedReading) {
  SettingsSnapshot s;
  EXPECT_FALSE(s.get(kAutoIndent));
  EXPECT_EQ(s.get(kKeymapping), "");
  s.set(kAutoIndent, "True");
  s.set(kSmartTabs, "true");
  EXPECT_TRUE(s.get(kAutoIndent));
  EXPECT_FALSE(s.get(kSmartTabs));  // only exactly "True" is on
  s.setFlag(kSmartTabs, true);
  EXPECT_EQ(s.text(kSmartTabs.row), "True");
  s.setFlag(kSmartTabs, false);
  EXPECT_EQ(s.text(kSmartTabs.row), "");

  struct Case {
    const char* text;
    std::optional<int> number;
  };
  for (const Case& c : {Case{"30", 30}, Case{" 7 ", 7}, Case{"0", std::nullopt}, Case{"86401", std::nullopt},
                        Case{"ten", std::nullopt}, Case{"", std::nullopt}}) {
    s.set(kTidyTimeLimit, c.text);
    EXPECT_EQ(s.number(kTidyTimeLimit), c.number) << c.text;
  }
}

}  // namespace
}  // namespace markloom
