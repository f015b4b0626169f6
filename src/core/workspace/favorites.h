#pragma once
// The Favorites list: the addresses of the Internet shortcuts in a folder tree.
#include <optional>
#include <string>
#include <vector>

namespace markloom {

// For folder: first the address of every shortcut file directly in it (in name
// order), then, for every subfolder whose name does not begin with '.', in name
// order, that folder's list (depth first). Shortcuts are "*.url" files (section
// "InternetShortcut", value "URL", at most 2047 characters read) and link files
// "*.desktop" of Type=Link (value "URL" of "Desktop Entry"). A shortcut that
// cannot be read, or has no address, gives an empty entry.
std::vector<std::string> favoritesList(const std::string& folder);

// The value name of section in INI-syntax text ("" when missing). Section and
// value names are compared without regard to case.
std::string iniValue(const std::string& text, const std::string& section, const std::string& name);
// The same, telling a missing value (nullopt) from an empty one.
std::optional<std::string> iniEntry(const std::string& text, const std::string& section, const std::string& name);

}  // namespace markloom
