#pragma once
// The command-id table: the object name of every action and menu that code
// looks up or wires by name. The menus, toolbars and tag bar are built from
// tables that use these constants, command groups connect their slots through
// them and tests find controls by them, so each name is written once, here.
#include <string_view>

namespace markloom::ids {

// Workspace: the main window's menus and commands.

// Markup: the Insert and Format menus, the Formatting toolbar and the tag bar.

}  // namespace markloom::ids
