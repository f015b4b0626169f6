#include "core/settings/preferences_values.h"

#include <gtest/gtest.h>

#include <set>

#include "core/settings/settings_table.h"

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
  for (const SettingRow* row : preferencesWriteOrder()) v.set(*row, "");
  v.set(kBlockIndent, "2");
  for (const ColourSetting* c : {&kEditorBackground1, &kEditorBackground2, &kGutterBackground1, &kGutterBackground2})
    v.set(*c, "clWindow");
  return v;
}

TEST(WritePreferences, KeysInTheFixedOrderAndUnopenableKeysSkipped) {
  RecordingStore store;
  store.unopenable = {"Proxies"};
  PreferenceValues v = everyValue();
  v.erase(kGutterBackgroundStyle.row);  // a style the dialog could not name
  writePreferences(store, v);
  ASSERT_EQ(store.writes.size(), 4u + 21u + 14u + 9u + 5u + 1u);  // ... and Hostdeck's text extensions
  EXPECT_EQ(store.writes.front(), std::make_pair(std::string("Tidy"), std::string("In-Line Tags")));
  EXPECT_EQ(store.writes[4], std::make_pair(std::string(""), std::string("HTML Cuecard")));
  EXPECT_EQ(store.writes[5], std::make_pair(std::string(""), std::string("JavaScript Cuecard")));
  EXPECT_EQ(store.writes[6], std::make_pair(std::string(""), std::string("Default Directory")));
  EXPECT_EQ(store.writes[7], std::make_pair(std::string(""), std::string("Timed Backup")));
  EXPECT_EQ(store.writes[25], std::make_pair(std::string("Hostdeck"), std::string("Text Extensions")));
  EXPECT_EQ(store.writes[26], std::make_pair(std::string("Programs"), std::string("Browser 1")));
  EXPECT_EQ(store.writes[27], std::make_pair(std::string("Programs"), std::string("Browser 1 Title")));
  EXPECT_EQ(store.writes.back(), std::make_pair(std::string("Colors"), std::string("Gutter Background 2")));
  for (const auto& [key, name] : store.writes) EXPECT_NE(key, "Proxies");
}

TEST(RefusedPreference, OnlyValuesTheSettingsCannotHold) {
  struct Case {
    const SettingRow& row;
    const char* text;
    std::optional<std::string> message;
  };
  const Case cases[] = {
      {kBlockIndent.row, "2", std::nullopt},
      {kBlockIndent.row, "2 ", std::nullopt},
      {kBlockIndent.row, "", "Block Indent: '' is not a whole number."},
      {kBlockIndent.row, "1.5", "Block Indent: '1.5' is not a whole number."},
      {kBlockIndent.row, "65", "Block Indent: '65' is not between 0 and 64."},
      {kBlockIndent.row, "-1", "Block Indent: '-1' is not between 0 and 64."},
      {kTimedBackup.row, "", std::nullopt},  // timed backup off
      {kTimedBackup.row, "5", std::nullopt},
      {kTimedBackup.row, "0", "Interval: '0' is not between 1 and 1440."},
      {kTimedBackup.row, "often", "Interval: 'often' is not a whole number."},
      {kProxyPort.row, "", std::nullopt},
      {kProxyPort.row, "8080", std::nullopt},
      {kProxyPort.row, "eighty", "Proxy Port: 'eighty' is not a whole number."},
      {kProxyPort.row, "70000", "Proxy Port: '70000' is not between 1 and 65535."},
      {kTabStops.row, "9, 17", std::nullopt},
      {kTabStops.row, "9 17,25", std::nullopt},
      {kTabStops.row, "9, x", "Tab Stops: '9, x' is not a list of whole numbers."},
      {kTabStops.row, "0, 8", "Tab Stops: '0, 8' is not a list of whole numbers."},
      {kTabStops.row, " , ", "Tab Stops: ' , ' is not a list of whole numbers."},
      {kEditorBackground1.row, "$00FF8000", std::nullopt},
      {kEditorBackground1.row, "clnavy", std::nullopt},
      {kGutterBackground2.row, "navy", "Gutter Secondary Color: 'navy' is not a colour."},
      {kKeymapping.row, "anything at all", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.row.key) + "=" + c.text);
    PreferenceValues v = everyValue();
    v.set(c.row, c.text);
    EXPECT_EQ(refusedValue(c.row, c.text), c.message);
    EXPECT_EQ(refusedPreference(v), c.message);
  }
}

TEST(RefusedPreference, ValuesOkDoesNotWriteAreNotChecked) {
  PreferenceValues v = everyValue();
  v.erase(kBlockIndent.row);
  EXPECT_EQ(refusedPreference(v), std::nullopt);
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
