#include "ui/app/menu_table.h"

#include "core/common/command_ids.h"

namespace markloom {

namespace {
using K = MenuCommand::Kind;
MenuCommand menu(std::string_view parent, std::string_view name, std::string_view caption) {
  return {K::Menu, parent, name, caption, {}};
}
MenuCommand item(std::string_view parent, std::string_view name, std::string_view caption,
                 std::string_view shortcut = {}) {
  return {K::Item, parent, name, caption, shortcut};
}
MenuCommand separator(std::string_view parent) { return {K::Separator, parent, {}, {}, {}}; }
}  // namespace

const std::vector<MenuCommand>& menuTable() {
  static const std::vector<MenuCommand> table = [] {
    std::vector<MenuCommand> t{
        menu("", ids::kFileMenu, "&File"),
        item(ids::kFileMenu, ids::kNewDocument, "&New", "Ctrl+N"),
        item(ids::kFileMenu, ids::kNewFromTemplate, "N&ew from Template"),
        item(ids::kFileMenu, ids::kOpenLocalFile, "&Open from Local", "Ctrl+O"),
        item(ids::kFileMenu, ids::kOpenFromWeb, "Open from &Web", "Ctrl+W"),
        item(ids::kFileMenu, ids::kRecentFiles, "&Recent Files"),
        separator(ids::kFileMenu),
        item(ids::kFileMenu, ids::kSave, "&Save", "Ctrl+S"),
        item(ids::kFileMenu, ids::kSaveAs, "Save &As"),
        separator(ids::kFileMenu),
        menu(ids::kFileMenu, ids::kImportMenu, "&Import"),
        item(ids::kImportMenu, ids::kImportTextFiles, "&Text Files"),
        item(ids::kImportMenu, ids::kImportOtherFiles, "&Other Files"),
        menu(ids::kFileMenu, ids::kExportMenu, "Expor&t"),
        item(ids::kExportMenu, ids::kExportUnixFormat, "&UNIX Format"),
        item(ids::kExportMenu, ids::kExportMacFormat, "&Mac Format"),
        item(ids::kExportMenu, ids::kExportHighlightedRtf, "Highlighted Code to RTF"),
        item(ids::kExportMenu, ids::kExportHighlightedHtml, "Highlighted Code to HTML"),
        separator(ids::kFileMenu),
        item(ids::kFileMenu, ids::kClose, "&Close"),
        item(ids::kFileMenu, ids::kCloseAll, "C&lose All"),
        separator(ids::kFileMenu),
        item(ids::kFileMenu, ids::kPrint, "&Print", "Ctrl+P"),
        item(ids::kFileMenu, ids::kPageSetup, "Page Set&up"),
        separator(ids::kFileMenu),
        item(ids::kFileMenu, ids::kExit, "E&xit", "Alt+X"),

        menu("", ids::kEditMenu, "&Edit"),
        item(ids::kEditMenu, ids::kUndo, "&Undo", "Ctrl+Z"),
        item(ids::kEditMenu, ids::kRedo, "&Redo", "Ctrl+Y"),
        separator(ids::kEditMenu),
        item(ids::kEditMenu, ids::kCut, "&Cut", "Ctrl+X"),
        item(ids::kEditMenu, ids::kCopy, "C&opy", "Ctrl+C"),
        item(ids::kEditMenu, ids::kPaste, "&Paste", "Ctrl+V"),
        separator(ids::kEditMenu),
        item(ids::kEditMenu, ids::kSelectAll, "&Select All", "Ctrl+A"),
        separator(ids::kEditMenu),
        item(ids::kEditMenu, ids::kPreferences, "Prefere&nces"),

        menu("", ids::kSearchMenu, "&Search"),
        item(ids::kSearchMenu, ids::kFind, "&Find", "Ctrl+F"),
        item(ids::kSearchMenu, ids::kReplace, "&Replace", "Ctrl+R"),
        item(ids::kSearchMenu, ids::kMultiFileReplace, "E&xtended Find and Replace"),
        separator(ids::kSearchMenu),
        item(ids::kSearchMenu, ids::kGoToLine, "&Go to Line...", "Ctrl+G"),
        item(ids::kSearchMenu, ids::kGoToTop, "Go to &Top"),
        item(ids::kSearchMenu, ids::kGoToBottom, "Go to &Bottom"),
        separator(ids::kSearchMenu),
        menu(ids::kSearchMenu, ids::kBookmarksMenu, "Bookmarks"),
        menu(ids::kBookmarksMenu, ids::kSetBookmarkMenu, "&Set"),
        menu(ids::kBookmarksMenu, ids::kGoToBookmarkMenu, "&Go To"),
    };
    static const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int i = 0; i < 10; ++i) t.push_back(item(ids::kSetBookmarkMenu, ids::kSetBookmark[i], digits[i]));
    for (int i = 0; i < 10; ++i) t.push_back(item(ids::kGoToBookmarkMenu, ids::kGoToBookmark[i], digits[i]));

    const std::vector<MenuCommand> rest{
        // The Insert and Format menus are filled by the markup commands.
        menu("", ids::kInsertMenu, "&Insert"),

        menu("", ids::kActionsMenu, "&Actions"),
        item(ids::kActionsMenu, ids::kCapitalizeLine, "&Capitalize Line"),
        item(ids::kActionsMenu, ids::kSelectionToUppercase, "Con&vert Selection to Uppercase"),
        item(ids::kActionsMenu, ids::kSelectionToLowercase, "Conv&ert Selection to Lowercase"),
        item(ids::kActionsMenu, ids::kLineToUppercase, "Conve&rt Line to Uppercase"),
        item(ids::kActionsMenu, ids::kLineToLowercase, "Conver&t Line to Lowercase"),

        menu("", ids::kFormatMenu, "F&ormat"),

        menu("", ids::kToolsMenu, "&Tools"),
        item(ids::kToolsMenu, ids::kSpellCheck, "&Spell Check", "F7"),
        separator(ids::kToolsMenu),
        item(ids::kToolsMenu, ids::kDownloadTimer, "&Download Timer"),
        item(ids::kToolsMenu, ids::kLinkValidator, "Lin&k Validator"),
        item(ids::kToolsMenu, ids::kHostdeck, "&Hostdeck"),
        separator(ids::kToolsMenu),
        item(ids::kToolsMenu, ids::kSheetcraft, "Sheetcraft"),
        item(ids::kToolsMenu, ids::kWysiwygEditor, "WYSIWYG Editor"),
        separator(ids::kToolsMenu),
        item(ids::kToolsMenu, ids::kImageMapCreator, "&Visual Image Map Creator"),
        item(ids::kToolsMenu, ids::kLayerCreator, "Visual &Layer Creator"),
        item(ids::kToolsMenu, ids::kContentWizards, "Content &Wizards"),
        item(ids::kToolsMenu, ids::kColdFusionBuilder, "&ColdFusion Builder"),
        separator(ids::kToolsMenu),
        item(ids::kToolsMenu, ids::kConvertImageToWbmp, "Convert Image to WBMP"),
        item(ids::kToolsMenu, ids::kWebUpdate, "Web Update"),
        separator(ids::kToolsMenu),
        item(ids::kToolsMenu, ids::kHighlightingOptions, "Highlighting Options"),

        menu("", ids::kTidyMenu, "Ti&dy"),
        item(ids::kTidyMenu, ids::kFormatHtml, "&Format HTML"),
        item(ids::kTidyMenu, ids::kFixAndFormatHtml, "F&ix and Format HTML"),
        separator(ids::kTidyMenu),
        item(ids::kTidyMenu, ids::kUpgradeToStyleSheets, "&Upgrade to Style Sheets"),
        item(ids::kTidyMenu, ids::kUpgradeToXml, "U&pgrade to XML 1.0"),
        item(ids::kTidyMenu, ids::kUpgradeToXhtml, "Up&grade to XHTML 1.0"),
        separator(ids::kTidyMenu),
        item(ids::kTidyMenu, ids::kCompressDocument, "&Compress Document"),
        item(ids::kTidyMenu, ids::kValidateDocument, "&Validate Document"),
        menu(ids::kTidyMenu, ids::kValidationRulesMenu, "Validation &Rules"),
        item(ids::kValidationRulesMenu, ids::kValidationRulesByDoctype, "&By DOCTYPE"),
        item(ids::kValidationRulesMenu, ids::kValidationRulesHtml5, "&HTML5 Rules"),
        item(ids::kValidationRulesMenu, ids::kValidationRulesHtml4, "HTML &4 Rules"),

        menu("", ids::kWindowMenu, "&Window"),
        item(ids::kWindowMenu, ids::kTileWindows, "Tile"),
        item(ids::kWindowMenu, ids::kCascadeWindows, "Cascade"),
        item(ids::kWindowMenu, ids::kNextWindow, "Next"),
        item(ids::kWindowMenu, ids::kPreviousWindow, "Previous"),
        separator(ids::kWindowMenu),
        menu(ids::kWindowMenu, ids::kOpenDocumentsMenu, "Open Documents"),

        menu("", ids::kHelpMenu, "&Help"),
        item(ids::kHelpMenu, ids::kContents, "&Contents", "F1"),
        menu(ids::kHelpMenu, ids::kMakerWebMenu, "&Tarnwell on the Web"),
        item(ids::kMakerWebMenu, ids::kMakerHomePage, "Tarnwell Homepage"),
        item(ids::kMakerWebMenu, ids::kMakerProductsGuide, "Tarnwell Products Guide"),
        item(ids::kMakerWebMenu, ids::kMakerTechnicalSupport, "Technical Support"),
        item(ids::kMakerWebMenu, ids::kMarkloomHomePage, "Markloom Homepage"),
        separator(ids::kHelpMenu),
        item(ids::kHelpMenu, ids::kAbout, "&About"),
    };
    t.insert(t.end(), rest.begin(), rest.end());
    return t;
  }();
  return table;
}

}  // namespace markloom
