#include "core/workspace/kept_toolbars.h"

#include <gtest/gtest.h>

#include "core/memory_settings_store.h"

namespace markloom {
namespace {

using Items = std::vector<std::string>;

TEST(KeptToolbars, ItemsTextRoundTrip) {
  const Items cases[] = {
      {},
      {"New1"},
      {"New1", "Open1", "-", "Save1", "-", "-", "dxBarButton5"},
      {"-"},
  };
  for (const Items& items : cases) {
    const std::string text = formatToolbarItems(items);
    EXPECT_TRUE(text.starts_with("1:")) << text;
    EXPECT_EQ(parseToolbarItems(text), items) << text;
  }
  EXPECT_EQ(formatToolbarItems({"New1", "-", "Save1"}), "1:New1,-,Save1");
}

TEST(KeptToolbars, DamagedItemsTextIsRefusedWhole) {
  struct Case {
    const char* what;
    std::string text;
  };
  const Case cases[] = {
      {"empty", ""},
      {"no version", "New1,Save1"},
      {"unknown version", "2:New1,Save1"},
      {"version without colon", "1New1"},
      {"empty item in the middle", "1:New1,,Save1"},
      {"trailing comma", "1:New1,"},
      {"leading comma", "1:,New1"},
      {"blank in an id", "1:New 1"},
      {"path-like id", "1:../x"},
      {"control character", std::string("1:New1\n,Save1")},
      {"nul byte", std::string("1:New1\0", 7)},
      {"two dashes", "1:--"},
      {"binary noise", "\xff\xfe\x01garbage"},
      {"overlong", "1:" + std::string(70000, 'a')},
  };
  for (const Case& c : cases) EXPECT_EQ(parseToolbarItems(c.text), std::nullopt) << c.what;
}

TEST(KeptToolbars, ACommandListedTwiceKeepsItsFirstPlaceButSeparatorsStay) {
  EXPECT_EQ(parseToolbarItems("1:Save1,-,New1,Save1,-,New1"), (Items{"Save1", "-", "New1", "-"}));
}

TEST(KeptToolbars, Base64TextCheck) {
  struct Case {
    std::string_view text;
    bool ok;
  };
  const Case cases[] = {
      {"AAAA", true},  {"AAA=", true},  {"AA==", true},   {"ab+/", true},    {"", false},     {"AAA", false},
      {"A===", false}, {"AA=A", false}, {"AA AA", false}, {"AAAA\n", false}, {"====", false}, {"QUJD\x80QUJD", false},
  };
  for (const Case& c : cases) EXPECT_EQ(isBase64Text(c.text), c.ok) << c.text;
}

TEST(KeptToolbars, WrittenAndReadBack) {
  test::MemoryStore store;
  const KeptToolbars kept{{{"Standard", Items{"New1", "-", "Save1"}, true},
                           {"Tools", Items{"dxBarButton5"}, false},
                           {"Formatting", Items{}, true}},
                          "AAECAw=="};
  writeKeptToolbars(store, kMainToolbarsKey, kept);
  EXPECT_EQ(store.text(kMainToolbarsKey, "Standard"), "1:New1,-,Save1");
  EXPECT_EQ(store.text(kMainToolbarsKey, "Tools Visible"), "False");
  EXPECT_EQ(readKeptToolbars(store, kMainToolbarsKey, {"Standard", "Tools", "Formatting"}), kept);
}

TEST(KeptToolbars, DamagedOrMissingValuesLeaveTheDefaults) {
  struct Case {
    const char* what;
    std::map<std::string, std::string> stored;
    KeptToolbar expected;
    std::string state;
  };
  const Case cases[] = {
      {"nothing kept", {}, {"Main", std::nullopt, std::nullopt}, ""},
      {"damaged list, good visibility",
       {{"Main", "garbage"}, {"Main Visible", "False"}},
       {"Main", std::nullopt, false},
       ""},
      {"good list, unknown visibility",
       {{"Main", "1:a,b"}, {"Main Visible", "true"}},
       {"Main", Items{"a", "b"}, std::nullopt},
       ""},
      {"empty visibility", {{"Main Visible", ""}}, {"Main", std::nullopt, std::nullopt}, ""},
      {"damaged state", {{"State", "not base64!"}}, {"Main", std::nullopt, std::nullopt}, ""},
      {"good state", {{"State", "AAAA"}}, {"Main", std::nullopt, std::nullopt}, "AAAA"},
  };
  for (const Case& c : cases) {
    test::MemoryStore store;
    store.keys.insert(kHostdeckToolbarKey);
    for (const auto& [name, value] : c.stored) store.set(kHostdeckToolbarKey, name, value);
    const KeptToolbars kept = readKeptToolbars(store, kHostdeckToolbarKey, {"Main"});
    ASSERT_EQ(kept.toolbars.size(), 1u) << c.what;
    EXPECT_EQ(kept.toolbars[0], c.expected) << c.what;
    EXPECT_EQ(kept.state, c.state) << c.what;
  }
}

TEST(KeptToolbars, AValueOfAnotherTypeIsIgnored) {
  test::MemoryStore store;
  store.keys.insert(kHostdeckToolbarKey);
  store.values[{kHostdeckToolbarKey, "Main"}] = {SettingsStore::ReadStatus::WrongType, "1:a"};
  const KeptToolbars kept = readKeptToolbars(store, kHostdeckToolbarKey, {"Main"});
  EXPECT_EQ(kept.toolbars.at(0).items, std::nullopt);
}

TEST(KeptToolbars, AKeyThatCannotBeOpenedReadsAsNothingKept) {
  test::MemoryStore store;
  store.unopenable.insert(kMainToolbarsKey);
  EXPECT_EQ(readKeptToolbars(store, kMainToolbarsKey, {"Standard"}), KeptToolbars{});
  writeKeptToolbars(store, kMainToolbarsKey, {{{"Standard", Items{"New1"}, true}}, ""});
  EXPECT_TRUE(store.values.empty());
}

}  // namespace
}  // namespace markloom
