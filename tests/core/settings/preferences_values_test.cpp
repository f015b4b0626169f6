#include "core/settings/preferences_values.h"

#include <gtest/gtest.h>

#include <set>

namespace markloom {
namespace {

class RecordingStore : public SettingsStore {
 public:
  std::vector<std::pair<std::string, std::string>> writes;
  std::set<std::string> unopenable;
  bool openKey(const std::string& key, bool) override { return unopenable.count(key) == 0; }
  Read read(const std::string&, const std::string&) override { return {}; }
  void write(const std::string& key, const std::string& name, const std::string&) override {
    writes.emplace_back(key, name);
  }
};

PreferenceValues everyValue() {
  PreferenceValues v;
  for (const SettingsKey& key : preferencesWriteOrder())
    for (const std::string& name : key.values) v[name] = "";
  v["Block Indent"] = "2";
  for (const char* c : {"Editor Background 1", "Editor Background 2", "Gutter Background 1", "Gutter Background 2"})
    v[c] = "clWindow";
  return v;
}

TEST(WritePreferences, KeysInTheFixedOrderAndUnopenableKeysSkipped) {
  RecordingStore store;
  store.unopenable = {"Proxies"};
  PreferenceValues v = everyValue();
  v.erase("Gutter Background Style");  // a style the dialog could not name
  writePreferences(store, v);
  ASSERT_EQ(store.writes.size(), 4u + 19u + 14u + 9u + 5u);
  EXPECT_EQ(store.writes.front(), std::make_pair(std::string("Tidy"), std::string("In-Line Tags")));
  EXPECT_EQ(store.writes[4], std::make_pair(std::string(""), std::string("Default Directory")));
  EXPECT_EQ(store.writes[5], std::make_pair(std::string(""), std::string("Timed Backup")));
  EXPECT_EQ(store.writes[23], std::make_pair(std::string("Programs"), std::string("Browser 1")));
  EXPECT_EQ(store.writes[24], std::make_pair(std::string("Programs"), std::string("Browser 1 Title")));
  EXPECT_EQ(store.writes.back(), std::make_pair(std::string("Colors"), std::string("Gutter Background 2")));
  for (const auto& [key, name] : store.writes) EXPECT_NE(key, "Proxies");
}

TEST(RefusedPreference, OnlyValuesTheSettingsCannotHold) {
  struct Case {
    const char* name;
    const char* text;
    std::optional<std::string> message;
  };
  const Case cases[] = {
      {"Block Indent", "2", std::nullopt},
      {"Block Indent", "2 ", std::nullopt},
      {"Block Indent", "", "Block Indent: '' is not a whole number."},
      {"Block Indent", "1.5", "Block Indent: '1.5' is not a whole number."},
      {"Editor Background 1", "$00FF8000", std::nullopt},
      {"Editor Background 1", "clnavy", std::nullopt},
      {"Gutter Background 2", "navy", "Gutter Secondary Color: 'navy' is not a colour."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + "=" + c.text);
    PreferenceValues v = everyValue();
    v[c.name] = c.text;
    EXPECT_EQ(refusedPreference(v), c.message);
  }
}

TEST(BackgroundStyles, CaptionsAndCodesBothWays) {
  EXPECT_EQ(styleCode("Vertical Gradient"), "VG");
  EXPECT_EQ(styleCode("Horizontal Gradient"), "HG");
  EXPECT_EQ(styleCode("Normal"), "NM");
  EXPECT_EQ(styleCode("Diagonal"), std::nullopt);
  EXPECT_EQ(styleCaption("NM"), "Normal");
  EXPECT_EQ(styleCaption("XX"), std::nullopt);
}

}  // namespace
}  // namespace markloom
