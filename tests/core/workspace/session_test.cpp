#include "core/workspace/session.h"

#include <gtest/gtest.h>

#include "core/memory_settings_store.h"

namespace markloom {
namespace {

TEST(Session, WrittenAndReadBack) {
  test::MemoryStore store;
  const Session session{{{"/w/a.html", 0}, {"/w/b.css", 41}, {"/w/c.js", 7}}, 1};
  writeSession(store, session);
  EXPECT_EQ(readSession(store), session);
}

TEST(Session, AShorterSessionClearsTheSlotsOfALongerOne) {
  test::MemoryStore store;
  writeSession(store, {{{"/a", 1}, {"/b", 2}, {"/c", 3}}, 2});
  writeSession(store, {{{"/z", 5}}, 0});
  EXPECT_EQ(readSession(store), (Session{{{"/z", 5}}, 0}));
  EXPECT_EQ(store.text(kSessionKey, "File3"), "");
  writeSession(store, {});
  EXPECT_EQ(readSession(store), Session{});
}

TEST(Session, DamagedEntriesAreReadSafely) {
  struct Case {
    const char* what;
    std::map<std::string, std::string> stored;
    Session expected;
  };
  const Case cases[] = {
      {"no key at all", {}, {}},
      {"count not a number", {{"Count", "x"}, {"File1", "/a"}}, {}},
      {"active out of range", {{"Count", "1"}, {"File1", "/a"}, {"Line1", "3"}, {"Active", "4"}}, {{{"/a", 3}}, -1}},
      {"line not a number", {{"Count", "1"}, {"File1", "/a"}, {"Line1", "many"}, {"Active", "0"}}, {{{"/a", 0}}, 0}},
      {"negative line", {{"Count", "1"}, {"File1", "/a"}, {"Line1", "-5"}}, {{{"/a", 0}}, -1}},
      {"empty path skipped, active follows its file",
       {{"Count", "3"}, {"File1", "/a"}, {"File3", "/c"}, {"Line3", "2"}, {"Active", "2"}},
       {{{"/a", 0}, {"/c", 2}}, 1}},
  };
  for (const Case& c : cases) {
    test::MemoryStore store;
    if (!c.stored.empty()) store.keys.insert(kSessionKey);
    for (const auto& [name, text] : c.stored) store.set(kSessionKey, name, text);
    EXPECT_EQ(readSession(store), c.expected) << c.what;
  }
}

TEST(Session, RestoreIsOnUnlessTurnedOff) {
  test::MemoryStore store;
  EXPECT_TRUE(sessionRestoreEnabled(store));  // a store from before the option
  store.keys.insert(kSessionKey);
  store.set(kSessionKey, "Restore", "True");
  EXPECT_TRUE(sessionRestoreEnabled(store));
  store.set(kSessionKey, "Restore", "False");
  EXPECT_FALSE(sessionRestoreEnabled(store));
}

}  // namespace
}  // namespace markloom
