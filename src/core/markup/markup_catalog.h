#pragma once
// The one-click markup commands as data: for every command its id, the menu
// entry and the toolbar button that offer it, its shortcut, the insertion
// primitive it ends in and the texts it inserts. The menus, the Formatting
// toolbar and the tag bar are built from this table, so every inserted text is
// written down once, here. Commands that open a dialog are listed too (with no
// texts) so that their entries and buttons exist where users expect them.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/editor_ops.h"

namespace markloom::markup {

enum class Primitive {
  Wrap,             // WrapSelection(texts[0], texts[1])
  Snippet,          // InsertSnippet(texts[0])
  LinesAboveCaret,  // InsertLinesAboveCaret(texts[0], texts[1], texts[2])
  Dialog,           // opens the dialog named in Command::dialog
  None,             // present in a menu or bar, does nothing
};

// Menus and drop-down menus that hold entries.
enum class MenuId {
  None,
  Insert,
  Multimedia,  // Insert > Multimedia
  Format,
  FontFace,      // Format > Font Face
  FontSizes,     // Format > Font Sizes
  HeaderLevels,  // Format > Header Levels
  Alignment,     // Format > Alignment
  BigSmall,      // the WML tab's "big/small" drop-down button
  SSIExtras,     // the SSI tab's "Extras" drop-down button
};

// Toolbars that hold buttons: the Formatting toolbar and the tag bar's tabs.
enum class BarId {
  None,
  Formatting,
  Common,
  Frames,
  Tables,
  Forms,
  Lists,
  WML,
  ASP,
  ColdFusion,
  SSI,
  PHP,
  WebTV,
  JSP,
};

enum class Control {
  Button,          // a push button
  DropDownButton,  // a button opening the menu BarOffer::dropDown
  FontNameBox,     // drop-down of installed font names; acts when its value changes
  ColourBox,       // drop-down of colourNames(); acts when its value changes
  TagBoxButton,    // the editable tag box with its "+" button, which acts
};

struct MenuOffer {
  MenuId menu = MenuId::None;
  std::string_view caption;  // with its "&" accelerator marker
  bool breakBefore = false;  // a separator in front of the entry
};

struct BarOffer {
  BarId bar = BarId::None;
  std::string_view name;     // object name of the control
  std::string_view caption;  // empty: an image button
  std::string_view hint;     // tool tip (first line)
  int order = 0;             // sort key within the bar; equal keys keep table order
  bool separatorBefore = false;
  Control control = Control::Button;
  MenuId dropDown = MenuId::None;  // DropDownButton only
};

struct Command {
  // The command id (ids::k...): the object name of the command's action and
  // of its menu entry, and of its button unless the button has a name of its own.
  std::string_view id;
  std::string_view shortcut;  // portable key text ("Ctrl+I", "F9"); empty for none
  Primitive primitive = Primitive::None;
  // Wrap: open, close. Snippet: the text. LinesAboveCaret: the three lines.
  // Commands that take a value (takesValue) insert texts[0] + value + texts[1]
  // (Snippet), or wrap in texts[0] + value + texts[1] and texts[2] (Wrap).
  std::array<std::string_view, 3> texts{};
  bool takesValue = false;
  std::string_view dialog;  // Dialog: which dialog, with its mode after ':' if any
  MenuOffer menu;
  BarOffer bar;
};

// Every command, in menu order (Insert menu, Format menu, then the Formatting
// toolbar's boxes and the tabs from Frames to JSP).
const std::vector<Command>& catalog();
const Command* findCommand(std::string_view id);

// The commands offered on one bar, in the order the bar shows them.
std::vector<const Command*> barCommands(BarId bar);

struct MenuInfo {
  MenuId id;
  MenuId parent;             // None for the top menus and drop-down menus
  std::string_view name;     // object name of the menu
  std::string_view caption;  // empty for drop-down menus
  bool breakBefore = false;
};
const std::vector<MenuInfo>& menus();
const MenuInfo& menuInfo(MenuId id);

struct BarInfo {
  BarId id;
  std::string_view name;     // object name of the toolbar
  std::string_view caption;  // toolbar caption; empty where the tab's text is enough
};
const std::vector<BarInfo>& bars();
const BarInfo& barInfo(BarId id);

// A menu entry without action (the SSI "Extras" menu), with its submenu.
struct MenuTreeEntry {
  std::string_view name;
  std::string_view caption;
  std::vector<MenuTreeEntry> children;
};
const std::vector<MenuTreeEntry>& ssiExtrasMenu();

// The box contents.
inline constexpr std::string_view kFontBoxInitialText = "Times New Roman";
inline constexpr std::string_view kColourBoxInitialText = "Black";
inline constexpr std::string_view kTagBoxInitialText = "ColdFusion Tags...";
const std::vector<std::string>& colourNames();     // the 16 named colours, in box order
const std::vector<std::string>& coldFusionTags();  // the 38 entries of the tag box

// Runs a command's primitive on the document. value is the box text for
// commands that take one. Returns false, changing nothing, for dialog commands
// and entries without action.
bool runCommand(EditorOps& ops, const Command& command, std::string_view value = {});

}  // namespace markloom::markup
