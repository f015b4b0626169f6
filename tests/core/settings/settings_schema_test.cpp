#include "core/settings/settings_schema.h"

#include <gtest/gtest.h>

#include "core/settings/settings_table.h"

#include <map>
#include <set>

#include "core/common/error.h"
#include "core/memory_settings_store.h"

namespace markloom {
namespace {

using test::MemoryStore;

TEST(LoadSnapshot, EmptyStoreCreatesEveryKeyAndReadsEveryValueAsEmpty) {
  MemoryStore store;
  SettingsSnapshot snapshot;
  snapshot.set(kProxyServer, "left over");
  int applied = 0;
  loadSnapshot(store, snapshot, [&] { ++applied; });
  EXPECT_EQ(store.keys,
            (std::set<std::string>{"", "Proxies", "Hostdeck", "Colors", "Programs", "Tidy", "Proofing Tools"}));
  EXPECT_EQ(snapshot.get(kProxyServer), "");
  EXPECT_EQ(applied, 1);
  EXPECT_EQ(store.readOrder.size(), 21u + 6u + 1u + 6u + 12u + 5u + 9u);
}

TEST(LoadSnapshot, ReadsInTheFixedOrderAndAppliesBetweenProgramsAndTidy) {
  MemoryStore store;
  SettingsSnapshot snapshot;
  std::size_t readsWhenApplied = 0;
  loadSnapshot(store, snapshot, [&] { readsWhenApplied = store.readOrder.size(); });
  ASSERT_GE(store.readOrder.size(), 20u);
  EXPECT_EQ(store.readOrder[0], "Default Directory");
  EXPECT_EQ(store.readOrder[6], "Line Numbers");  // before Group Undo, as stored
  EXPECT_EQ(store.readOrder[14], "Block Indent");
  EXPECT_EQ(store.readOrder[18], "Show Gutter");
  EXPECT_EQ(store.readOrder[readsWhenApplied - 1], "Browser 6 Title");
  EXPECT_EQ(store.readOrder[readsWhenApplied], "In-Line Tags");
  EXPECT_EQ(store.readOrder.back(), "Check Markup");
}

TEST(LoadSnapshot, FlagsAreOnOnlyForExactlyTrue) {
  MemoryStore store;
  store.set("", "Auto Indent", "true");
  store.set("", "Smart Tabs", "True");
  store.set("", "Group Undo", "TRUE");
  SettingsSnapshot snapshot;
  loadSnapshot(store, snapshot, {});
  EXPECT_FALSE(snapshot.get(kAutoIndent));
  EXPECT_TRUE(snapshot.get(kSmartTabs));
  EXPECT_FALSE(snapshot.get(kGroupUndo));
  EXPECT_EQ(snapshot.text(kAutoIndent.row), "true");
}

TEST(LoadSnapshot, WrongTypeStopsTheLoadAndKeepsEarlierAndPreviousTexts) {
  MemoryStore store;
  store.set("Proxies", "Server", "proxy.local");
  store.values[{"Proxies", "Port"}] = {SettingsStore::ReadStatus::WrongType, ""};
  store.set("Proxies", "Username", "new user");
  SettingsSnapshot snapshot;
  snapshot.set(kProxyUsername, "old user");
  int applied = 0;
  try {
    loadSnapshot(store, snapshot, [&] { ++applied; });
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'Port'");
  }
  EXPECT_EQ(snapshot.get(kProxyServer), "proxy.local");
  EXPECT_EQ(snapshot.get(kProxyUsername), "old user");
  EXPECT_EQ(applied, 0);
}

TEST(LoadSnapshot, KeyThatCannotBeOpenedIsSkippedSilently) {
  MemoryStore store;
  store.unopenable.insert("Colors");
  store.set("Tidy", "Empty Tags", "wbr");
  SettingsSnapshot snapshot;
  snapshot.set(kEditorBackground1, "clRed");
  loadSnapshot(store, snapshot, {});
  EXPECT_EQ(snapshot.get(kEditorBackground1), "clRed");
  EXPECT_EQ(snapshot.get(kTidyEmptyTags), "wbr");
}

TEST(LoadSnapshot, DialogOnlyProgramsAreNotKept) {
  MemoryStore store;
  store.set("Programs", "WYSIWYG Editor", "/usr/bin/visual");
  SettingsSnapshot snapshot;
  loadSnapshot(store, snapshot, {});
  EXPECT_EQ(snapshot.get(kVisualEditor), "");
  EXPECT_EQ(std::count(store.readOrder.begin(), store.readOrder.end(), "WYSIWYG Editor"), 0);
}

TEST(InstallationDefaults, GiveValidIndentAndColours) {
  MemoryStore store;
  writeInstallationDefaults(store);
  SettingsSnapshot snapshot;
  loadSnapshot(store, snapshot, {});
  EXPECT_EQ(snapshot.get(kBlockIndent), "1");
  EXPECT_EQ(snapshot.get(kTabStops), "9, 17");
  EXPECT_EQ(snapshot.get(kKeymapping), "Default");
  EXPECT_EQ(snapshot.get(kEditorBackground1), "clWindow");
  EXPECT_EQ(snapshot.get(kGutterBackground2), "clNone");
  EXPECT_EQ(snapshot.get(kBrowser[0]), "");
}

}  // namespace
}  // namespace markloom
