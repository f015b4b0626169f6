#include "core/workspace/recent_files.h"

#include <gtest/gtest.h>

#include "core/memory_settings_store.h"

namespace markloom {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, NewestFirstWithoutDuplicatesAndAtMostTen) {
  RecentFiles files;
  for (int i = 1; i <= 12; ++i) files.add("/f" + std::to_string(i));
  EXPECT_EQ(files.paths(), (Paths{"/f12", "/f11", "/f10", "/f9", "/f8", "/f7", "/f6", "/f5", "/f4", "/f3"}));
  files.add("/f5");  // opened again: moves up, nothing falls off
  EXPECT_EQ(files.paths(), (Paths{"/f5", "/f12", "/f11", "/f10", "/f9", "/f8", "/f7", "/f6", "/f4", "/f3"}));
  files.add("");
  EXPECT_EQ(files.paths().front(), "/f5");
}

TEST(RecentFiles, SavedListReadsBackAndAShorterOneLeavesNoStaleSlots) {
  test::MemoryStore store;
  RecentFiles files;
  for (int i = 1; i <= 10; ++i) files.add("/f" + std::to_string(i));
  files.save(store);
  EXPECT_EQ(store.text(RecentFiles::kKey, "File1"), "/f10");
  EXPECT_EQ(store.text(RecentFiles::kKey, "File10"), "/f1");

  RecentFiles shorter;
  shorter.add("/only");
  shorter.save(store);
  RecentFiles loaded;
  loaded.load(store);
  EXPECT_EQ(loaded.paths(), Paths{"/only"});
}

TEST(RecentFiles, LoadSkipsEmptySlotsDuplicatesAndAMissingKey) {
  test::MemoryStore store;
  RecentFiles files;
  files.load(store);  // never saved: nothing, and no key made
  EXPECT_TRUE(files.paths().empty());
  EXPECT_TRUE(store.keys.empty());

  store.keys.insert(RecentFiles::kKey);
  store.set(RecentFiles::kKey, "File1", "/a");
  store.set(RecentFiles::kKey, "File3", "/b");
  store.set(RecentFiles::kKey, "File4", "/a");
  store.set(RecentFiles::kKey, "File11", "/beyond");
  files.load(store);
  EXPECT_EQ(files.paths(), (Paths{"/a", "/b"}));
}

}  // namespace
}  // namespace markloom
