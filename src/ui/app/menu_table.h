#pragma once
// The main window's menu bar as data: every menu, entry, separator and shortcut,
// in order. Entries are QActions named by their command id; the command groups
// connect to the ones they own, and entries without an owner do nothing.
#include <string_view>
#include <vector>

namespace markloom {

struct MenuCommand {
  enum class Kind { Menu, Item, Separator };
  Kind kind;
  std::string_view parent;  // command id of the menu it sits in; empty for the menu bar
  std::string_view name;    // command id, the object name
  std::string_view caption;
  std::string_view shortcut;  // QKeySequence text, empty for none
};

const std::vector<MenuCommand>& menuTable();

}  // namespace markloom
