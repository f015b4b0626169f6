// The menus and bars the markup commands are offered on, and the contents of
// the Formatting bar's boxes.
#include <algorithm>
#include <stdexcept>

#include "core/common/command_ids.h"
#include "core/markup/markup_catalog.h"

namespace markloom::markup {

using enum BarId;

const std::vector<MenuInfo>& menus() {
  static const std::vector<MenuInfo> table = {
      {MenuId::Insert, MenuId::None, ids::kInsertMenu, "&Insert"},
      {MenuId::Multimedia, MenuId::Insert, ids::kMultimediaMenu, "&Multimedia"},
      {MenuId::Format, MenuId::None, ids::kFormatMenu, "F&ormat"},
      {MenuId::FontFace, MenuId::Format, ids::kFontStyleMenu, "Font F&ace", true},
      {MenuId::FontSizes, MenuId::Format, ids::kFontSizeMenu, "Font Si&zes"},
      {MenuId::HeaderLevels, MenuId::Format, ids::kHeadingMenu, "&Header Levels"},
      {MenuId::Alignment, MenuId::Format, ids::kAlignmentMenu, "Alignment", true},
      {MenuId::BigSmall, MenuId::None, ids::kBigSmallMenu, ""},
      {MenuId::SSIExtras, MenuId::None, ids::kSsiExtrasMenu, ""},
  };
  return table;
}

namespace {
// The row of a menu or bar table with that id.
template <class Row, class Id>
const Row& rowWithId(const std::vector<Row>& table, Id id, const char* unknown) {
  const auto row = std::find_if(table.begin(), table.end(), [id](const Row& r) { return r.id == id; });
  if (row == table.end()) throw std::out_of_range(unknown);
  return *row;
}
}  // namespace

const MenuInfo& menuInfo(MenuId id) { return rowWithId(menus(), id, "unknown menu"); }

const std::vector<BarInfo>& bars() {
  static const std::vector<BarInfo> table = {
      {Formatting, ids::kFormattingBar, ""},
      {Common, ids::kCommonTab, ""},
      {Frames, ids::kFramesTab, ""},
      {Tables, ids::kTablesTab, ""},
      {Forms, ids::kFormsTab, ""},
      {Lists, ids::kListsTab, ""},
      {WML, ids::kWmlTab, ""},
      {ASP, ids::kAspTab, "Active Server Pages"},
      {ColdFusion, ids::kColdFusionTab, ""},
      {SSI, ids::kSsiTab, "Server-Side Includes"},
      {PHP, ids::kPhpTab, ""},
      {WebTV, ids::kWebTvTab, ""},
      {JSP, ids::kJspTab, ""},
  };
  return table;
}

const BarInfo& barInfo(BarId id) { return rowWithId(bars(), id, "unknown bar"); }

const std::vector<MenuTreeEntry>& ssiExtrasMenu() {
  static const std::vector<MenuTreeEntry> tree = {
      {ids::kSsiOdbc,
       "ODBC",
       {{ids::kSsiOdbcConnect, "Connect", {}}, {ids::kSsiOdbcDebug, "Debug", {}}, {ids::kSsiOdbcFormat, "Format", {}}}},
      {ids::kSsiExec, "Exec", {{ids::kSsiExecCommand, "Command", {}}, {ids::kSsiExecCgi, "CGI", {}}}},
      {ids::kSsiInclude, "Include", {{ids::kSsiIncludeVirtual, "Virtual", {}}, {ids::kSsiIncludeDirect, "Direct", {}}}},
      {ids::kSsiLastModified,
       "Flastmod",
       {{ids::kSsiLastModifiedVirtual, "Virtual", {}}, {ids::kSsiLastModifiedDirect, "Direct", {}}}},
      {ids::kSsiFileSize,
       "File Size",
       {{ids::kSsiFileSizeVirtual, "Virtual", {}}, {ids::kSsiFileSizeDirect, "Direct", {}}}},
  };
  return tree;
}

const std::vector<std::string>& colourNames() {
  static const std::vector<std::string> names = {"Black", "Maroon",  "Green",  "Olive", "Navy", "Purple",
                                                 "Teal",  "Gray",    "Silver", "Red",   "Lime", "Yellow",
                                                 "Blue",  "Fuchsia", "Aqua",   "White"};
  return names;
}

}  // namespace markloom::markup
