#include "core/settings/preferences_values.h"

#include "core/common/error.h"
#include "core/settings/color_text.h"
#include "core/text/whole_number.h"

namespace markloom {

const std::vector<SettingsKey>& preferencesWriteOrder() {
  static const std::vector<SettingsKey> order{
      {"Tidy", {"In-Line Tags", "Empty Tags", "Block-Level Tags", "Preformatted Tags"}},
      {"",
       {"Default Directory", "Timed Backup", "Auto Indent", "Highlight URLs", "Smart Tabs", "Backspace Unindents",
        "Group Undo", "Cursor Beyond EOF", "Cursor Beyond EOL", "Special Characters", "Double Click Line",
        "Find At Cursor", "Disable Dragging", "Word Wrap", "Show Gutter", "Line Numbers", "Tab Stops", "Block Indent",
        "Keymapping"}},
      {"Proxies", {"Server", "Port", "Username", "Password"}},
      {"Programs",
       {"Browser 1", "Browser 1 Title", "Browser 2", "Browser 2 Title", "Browser 3", "Browser 3 Title", "Browser 4",
        "Browser 4 Title", "Browser 5", "Browser 5 Title", "Browser 6", "Browser 6 Title", "WYSIWYG Editor",
        "Image Editor"}},
      {"Proofing Tools",
       {"Ignore All Uppercase", "Ignore Numbers", "Ignore Brackets", "Ignore Filenames", "Ignore Internet Addresses",
        "Check for Duplicate Spaces", "Check for Duplicate Words", "Check Markup", "Custom Dictionary"}},
      {"Colors",
       {"Editor Background Style", "Editor Background 1", "Editor Background 2", "Gutter Background Style",
        "Gutter Background 1", "Gutter Background 2"}},
  };
  return order;
}

const std::vector<FlagField>& editorFlagFields() {
  static const std::vector<FlagField> fields{
      {"&Auto indent mode", "Auto Indent"},
      {"S&mart Tab", "Smart Tabs"},
      {"Backspace &Unindents", "Backspace Unindents"},
      {"&Group undo", "Group Undo"},
      {"Cursor beyond &EOF", "Cursor Beyond EOF"},
      {"&Cursor beyond EOL", "Cursor Beyond EOL"},
      {"Display Special Chars", "Special Characters"},
      {"&Double-click Line", "Double Click Line"},
      {"Find te&xt at cursor", "Find At Cursor"},
      {"D&isable Dragging", "Disable Dragging"},
      {"&Highlight URLs", "Highlight URLs"},
      {"Word Wrap", "Word Wrap"},
      {"Gutter", "Show Gutter"},
      {"Line Numbers", "Line Numbers"},
  };
  return fields;
}

const std::vector<FlagField>& spellingFlagFields() {
  static const std::vector<FlagField> fields{
      {"Ignore all &UPPERCASE", "Ignore All Uppercase"},
      {"Ignore &numbers", "Ignore Numbers"},
      {"Ignore b&rackets", "Ignore Brackets"},
      {"Ignore &filenames", "Ignore Filenames"},
      {"Ignore &Internet addresses", "Ignore Internet Addresses"},
      {"Check for &duplicate spaces", "Check for Duplicate Spaces"},
      {"Check for duplicate &words", "Check for Duplicate Words"},
      {"Check &markup too", "Check Markup"},
  };
  return fields;
}

const std::vector<BackgroundStyle>& backgroundStyles() {
  // In the order the style boxes list them (sorted).
  static const std::vector<BackgroundStyle> styles{
      {"Horizontal Gradient", "HG"},
      {"Normal", "NM"},
      {"Vertical Gradient", "VG"},
  };
  return styles;
}

std::optional<std::string> styleCode(const std::string& caption) {
  for (const BackgroundStyle& s : backgroundStyles())
    if (caption == s.caption) return s.code;
  return std::nullopt;
}

std::optional<std::string> styleCaption(const std::string& code) {
  for (const BackgroundStyle& s : backgroundStyles())
    if (code == s.code) return s.caption;
  return std::nullopt;
}

std::optional<std::string> refusedPreference(const PreferenceValues& values) {
  auto valueOf = [&](const std::string& name) {
    const auto it = values.find(name);
    return it == values.end() ? std::optional<std::string>() : std::optional<std::string>(it->second);
  };
  if (const auto indent = valueOf("Block Indent")) {
    try {
      wholeNumber(*indent, TrailingBlanks::Allowed);
    } catch (const Error&) {
      return "Block Indent: '" + *indent + "' is not a whole number.";
    }
  }
  struct ColorField {
    const char* value;
    const char* field;
  };
  static const ColorField colors[] = {
      {"Editor Background 1", "Editor Primary Color"},
      {"Editor Background 2", "Editor Secondary Color"},
      {"Gutter Background 1", "Gutter Primary Color"},
      {"Gutter Background 2", "Gutter Secondary Color"},
  };
  for (const ColorField& c : colors) {
    const auto text = valueOf(c.value);
    if (text && !textToColor(*text)) return std::string(c.field) + ": '" + *text + "' is not a colour.";
  }
  return std::nullopt;
}

void writePreferences(SettingsStore& store, const PreferenceValues& values) {
  for (const SettingsKey& key : preferencesWriteOrder()) {
    if (!store.openKey(key.key, true)) continue;
    for (const std::string& name : key.values) {
      const auto it = values.find(name);
      if (it != values.end()) store.write(key.key, name, it->second);
    }
  }
}

}  // namespace markloom
