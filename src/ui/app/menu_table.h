#pragma once
// The main window's menu bar as data: every menu, entry, separator and shortcut,
// in order. Entries are QActions named by their object name; the command groups
// connect to the ones they own, and entries without an owner do nothing.
#include <vector>

namespace markloom {

struct MenuCommand {
  enum class Kind { Menu, Item, Separator };
  Kind kind;
  const char* parent;    // object name of the menu it sits in; "" for the menu bar
  const char* name;      // object name
  const char* caption;
  const char* shortcut;  // QKeySequence text, "" for none
};

const std::vector<MenuCommand>& menuTable();

}  // namespace markloom
