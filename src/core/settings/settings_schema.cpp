#include "core/settings/settings_schema.h"

#include "core/common/error.h"

namespace markloom {

const std::vector<SettingsKey>& snapshotKeys() {
  static const std::vector<SettingsKey> keys{
      {"",
       {"Default Directory", "Timed Backup", "Auto Indent", "Highlight URLs", "Smart Tabs", "Backspace Unindents",
        "Line Numbers", "Group Undo", "Cursor Beyond EOF", "Cursor Beyond EOL", "Special Characters",
        "Double Click Line", "Find At Cursor", "Disable Dragging", "Block Indent", "Tab Stops", "Keymapping",
        "Word Wrap", "Show Gutter"}},
      {"Proxies", {"Server", "Port", "Username", "Password"}},
      {"Colors",
       {"Editor Background Style", "Editor Background 1", "Editor Background 2", "Gutter Background Style",
        "Gutter Background 1", "Gutter Background 2"}},
      {"Programs",
       {"Browser 1", "Browser 2", "Browser 3", "Browser 4", "Browser 5", "Browser 6", "Browser 1 Title",
        "Browser 2 Title", "Browser 3 Title", "Browser 4 Title", "Browser 5 Title", "Browser 6 Title"}},
      {"Tidy", {"In-Line Tags", "Empty Tags", "Block-Level Tags", "Preformatted Tags", "Time Limit"}},
      {"Proofing Tools",
       {"Ignore All Uppercase", "Ignore Numbers", "Ignore Brackets", "Ignore Filenames", "Ignore Internet Addresses",
        "Custom Dictionary", "Check for Duplicate Spaces", "Check for Duplicate Words", "Check Markup"}},
  };
  return keys;
}

const std::vector<SettingsKey>& dialogOnlyValues() {
  static const std::vector<SettingsKey> keys{{"Programs", {"WYSIWYG Editor", "Image Editor"}}};
  return keys;
}

void loadSnapshot(SettingsStore& store, SettingsSnapshot& snapshot, const std::function<void()>& afterPrograms) {
  for (const auto& key : snapshotKeys()) {
    if (store.openKey(key.key, true)) {
      for (const auto& name : key.values) {
        const auto read = store.read(key.key, name);
        if (read.status == SettingsStore::ReadStatus::WrongType) throw invalidDataType(name);
        snapshot.set(name, read.status == SettingsStore::ReadStatus::Text ? read.text : std::string());
      }
    }
    if (key.key == "Programs" && afterPrograms) afterPrograms();
  }
}

void writeInstallationDefaults(SettingsStore& store) {
  struct Default {
    const char* key;
    const char* name;
    const char* text;
  };
  // Mirrors the editor's own defaults; backgrounds stay as the editor draws them
  // (empty styles) but their colours are valid, and tab stops, indent and
  // key mapping hold what the Preferences dialog shows.
  static const Default defaults[] = {
      {"", "Auto Indent", "True"},
      {"", "Smart Tabs", "True"},
      {"", "Backspace Unindents", "True"},
      {"", "Group Undo", "True"},
      {"", "Find At Cursor", "True"},
      {"", "Line Numbers", "True"},
      {"", "Word Wrap", "True"},
      {"", "Show Gutter", "True"},
      {"", "Block Indent", "1"},
      {"", "Tab Stops", "9, 17"},
      {"", "Keymapping", "Default"},
      {"Colors", "Editor Background Style", ""},
      {"Colors", "Editor Background 1", "clWindow"},
      {"Colors", "Editor Background 2", "clNone"},
      {"Colors", "Gutter Background Style", ""},
      {"Colors", "Gutter Background 1", "clBtnFace"},
      {"Colors", "Gutter Background 2", "clNone"},
  };
  for (const auto& d : defaults) {
    if (store.openKey(d.key, true)) store.write(d.key, d.name, d.text);
  }
}

}  // namespace markloom
