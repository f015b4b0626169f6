#include "ui/app/menu_table.h"

namespace markloom {

namespace {
using K = MenuCommand::Kind;
MenuCommand menu(const char* parent, const char* name, const char* caption) {
  return {K::Menu, parent, name, caption, ""};
}
MenuCommand item(const char* parent, const char* name, const char* caption, const char* shortcut = "") {
  return {K::Item, parent, name, caption, shortcut};
}
MenuCommand separator(const char* parent) { return {K::Separator, parent, "", "", ""}; }
}  // namespace

const std::vector<MenuCommand>& menuTable() {
  static const std::vector<MenuCommand> table = [] {
    std::vector<MenuCommand> t{
        menu("", "File1", "&File"),
        item("File1", "New1", "&New", "Ctrl+N"),
        item("File1", "NewfromTemplate1", "N&ew from Template"),
        item("File1", "OpenfromLocal1", "&Open from Local", "Ctrl+O"),
        item("File1", "OpenfromWeb1", "Open from &Web", "Ctrl+W"),
        item("File1", "RecentFiles1", "&Recent Files"),
        separator("File1"),
        item("File1", "Save1", "&Save", "Ctrl+S"),
        item("File1", "SaveAs1", "Save &As"),
        separator("File1"),
        menu("File1", "Import1", "&Import"),
        item("Import1", "TextFiles1", "&Text Files"),
        item("Import1", "OtherFiles1", "&Other Files"),
        menu("File1", "Export1", "Expo&rt"),
        item("Export1", "UNIXFormat1", "&UNIX Format"),
        item("Export1", "MacFormat1", "&Mac Format"),
        item("Export1", "HighlightedCodetoRTF1", "Highlighted Code to RTF"),
        item("Export1", "HighlightedCodetoHTML1", "Highlighted Code to HTML"),
        separator("File1"),
        item("File1", "Close1", "&Close"),
        item("File1", "CloseAll1", "C&lose All"),
        separator("File1"),
        item("File1", "Print1", "&Print", "Ctrl+P"),
        item("File1", "PageSetup1", "Page Set&up"),
        separator("File1"),
        item("File1", "Exit1", "E&xit", "Alt+X"),

        menu("", "Edit1", "&Edit"),
        item("Edit1", "Undo1", "&Undo", "Ctrl+Z"),
        item("Edit1", "Redo1", "&Redo", "Ctrl+Y"),
        separator("Edit1"),
        item("Edit1", "Cut1", "&Cut", "Ctrl+X"),
        item("Edit1", "Copy1", "C&opy", "Ctrl+C"),
        item("Edit1", "Paste1", "&Paste", "Ctrl+V"),
        separator("Edit1"),
        item("Edit1", "SelectAll1", "&Select All", "Ctrl+A"),
        separator("Edit1"),
        item("Edit1", "Preferences1", "&Preferences"),

        menu("", "Search1", "&Search"),
        item("Search1", "Find1", "&Find", "Ctrl+F"),
        item("Search1", "Replace1", "&Replace", "Ctrl+R"),
        item("Search1", "ExtendedFindandReplace1", "E&xtended Find and Replace"),
        separator("Search1"),
        item("Search1", "GotoLine1", "&Go to Line...", "Ctrl+G"),
        item("Search1", "GotoTop1", "Go to &Top"),
        item("Search1", "GotoBottom1", "Go to &Bottom"),
        separator("Search1"),
        menu("Search1", "Bookmarks1", "Bookmarks"),
        menu("Bookmarks1", "Set1", "&Set"),
        menu("Bookmarks1", "GoTo1", "&Go To"),
    };
    static const char* const setNames[] = {"SetBookmark0", "SetBookmark1", "SetBookmark2", "SetBookmark3",
                                           "SetBookmark4", "SetBookmark5", "SetBookmark6", "SetBookmark7",
                                           "SetBookmark8", "SetBookmark9"};
    static const char* const goNames[] = {"GoToBookmark0", "GoToBookmark1", "GoToBookmark2", "GoToBookmark3",
                                          "GoToBookmark4", "GoToBookmark5", "GoToBookmark6", "GoToBookmark7",
                                          "GoToBookmark8", "GoToBookmark9"};
    static const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int i = 0; i < 10; ++i) t.push_back(item("Set1", setNames[i], digits[i]));
    for (int i = 0; i < 10; ++i) t.push_back(item("GoTo1", goNames[i], digits[i]));

    const std::vector<MenuCommand> rest{
        // The Insert and Format menus are filled by the markup commands.
        menu("", "Insert1", "&Insert"),

        menu("", "Actions1", "&Actions"),
        item("Actions1", "CapitalizeLine1", "&Capitalize Line"),
        item("Actions1", "ConvertSelectiontoUppercase1", "Con&vert Selection to Uppercase"),
        item("Actions1", "ConvertSelectiontoLowercase1", "Conv&ert Selection to Lowercase"),
        item("Actions1", "ConvertLinetoUppercase1", "Conve&rt Line to Uppercase"),
        item("Actions1", "ConvertLinetoLowercase1", "Conver&t Line to Lowercase"),

        menu("", "Format1", "F&ormat"),

        menu("", "Tools1", "&Tools"),
        item("Tools1", "SpellCheck1", "&Spell Check", "F7"),
        separator("Tools1"),
        item("Tools1", "DownloadTimer1", "&Download Timer"),
        item("Tools1", "LinkValidator1", "Lin&k Validator"),
        separator("Tools1"),
        item("Tools1", "Sheetcraft1", "Sheetcraft"),
        item("Tools1", "WYSIWYGEditor1", "WYSIWYG Editor"),
        separator("Tools1"),
        item("Tools1", "VisualImageMapCreator1", "&Visual Image Map Creator"),
        item("Tools1", "VisualLayerCreator1", "Visual &Layer Creator"),
        item("Tools1", "ContentWizards1", "Content &Wizards"),
        item("Tools1", "ColdFusionBuilder1", "&ColdFusion Builder"),
        separator("Tools1"),
        item("Tools1", "ConvertImagetoWBMP1", "Convert Image to WBMP"),
        item("Tools1", "WebUpdate1", "Web Update"),
        separator("Tools1"),
        item("Tools1", "HighlightingOptions1", "Highlighting Options"),

        menu("", "Tidy1", "T&idy"),
        item("Tidy1", "FormatHTML1", "&Format HTML"),
        item("Tidy1", "FixandFormatHTML1", "F&ix and Format HTML"),
        separator("Tidy1"),
        item("Tidy1", "UpgradetoStyleSheets1", "&Upgrade to Style Sheets"),
        item("Tidy1", "UpgradetoXML101", "U&pgrade to XML 1.0"),
        item("Tidy1", "UpgradetoXHTML101", "Up&grade to XHTML 1.0"),
        separator("Tidy1"),
        item("Tidy1", "CleanupWord2000HTML1", "&Compress Document"),
        item("Tidy1", "ValidateDocument1", "&Validate Document"),

        menu("", "Window1", "&Window"),
        item("Window1", "Tile1", "Tile"),
        item("Window1", "Cascade1", "Cascade"),
        item("Window1", "Next1", "Next"),
        item("Window1", "Previous1", "Previous"),
        separator("Window1"),
        menu("Window1", "OpenDocuments1", "Open Documents"),

        menu("", "Help1", "&Help"),
        item("Help1", "Contents1", "&Contents", "F1"),
        menu("Help1", "TarnwellontheWeb1", "&Tarnwell on the Web"),
        item("TarnwellontheWeb1", "TarnwellHomepage1", "Tarnwell Homepage"),
        item("TarnwellontheWeb1", "TarnwellProductsGuide1", "Tarnwell Products Guide"),
        item("TarnwellontheWeb1", "TechnicalSupport1", "Technical Support"),
        item("TarnwellontheWeb1", "MarkloomHomepage1", "Markloom Homepage"),
        separator("Help1"),
        item("Help1", "About1", "&About"),
    };
    t.insert(t.end(), rest.begin(), rest.end());
    return t;
  }();
  return table;
}

}  // namespace markloom
