#pragma once
// The toolbars' arrangement kept in the settings store, one key per window:
// "Toolbars\Settings" for the main window and "Toolbars\FTP Client" for the
// Hostdeck window. Under that key each toolbar has two values named after it:
//   <name>          its commands: "1:" and the command ids separated by
//                   commas, "-" standing for a separator ("1:" alone is an
//                   emptied toolbar);
//   <name> Visible  "True" or "False".
// The main window adds "State": the toolbars' places as base64 text.
// A value that does not read as its form is left out, so the window keeps
// its default for it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/settings_store.h"

namespace markloom {

inline constexpr const char* kMainToolbarsKey = "Toolbars\\Settings";
inline constexpr const char* kHostdeckToolbarKey = "Toolbars\\FTP Client";
inline constexpr std::string_view kToolbarSeparator = "-";

struct KeptToolbar {
  std::string name;
  std::optional<std::vector<std::string>> items;  // none: keep the default commands
  std::optional<bool> visible;                    // none: keep the default visibility

  bool operator==(const KeptToolbar&) const = default;
};

struct KeptToolbars {
  std::vector<KeptToolbar> toolbars;
  std::string state;  // base64 text; empty when none was kept or it was damaged

  bool operator==(const KeptToolbars&) const = default;
};

// "1:" and the items joined by commas.
std::string formatToolbarItems(const std::vector<std::string>& items);
// The items of a kept value; none for a value of another form (no "1:",
// an empty item, a character outside letters, digits and "_", an overlong
// value). A command listed twice keeps its first place.
std::optional<std::vector<std::string>> parseToolbarItems(std::string_view text);
// An id a toolbar item can be kept as: "-", or letters, digits and "_".
bool isToolbarItem(std::string_view item);
// Whole base64 text: the alphabet, "=" padding only at the end, a length
// that is a multiple of four.
bool isBase64Text(std::string_view text);

// Reads the values of the toolbars named, in that order.
KeptToolbars readKeptToolbars(SettingsStore& store, const std::string& key, const std::vector<std::string>& names);
// Writes every toolbar's values (those without items or visibility are left
// as they are) and the state when there is one.
void writeKeptToolbars(SettingsStore& store, const std::string& key, const KeptToolbars& kept);

}  // namespace markloom
