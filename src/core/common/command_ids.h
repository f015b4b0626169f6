#pragma once
// The command-id table: the object name of every action and menu that code
// looks up or wires by name. The menus, toolbars and tag bar are built from
// tables that use these constants, command groups connect their slots through
// them and tests find controls by them, so each name is written once, here.
#include <array>
#include <string_view>

namespace markloom::ids {

// Workspace: the main window's menus and commands.

// Menus of the menu bar and their submenus.
inline constexpr std::string_view kFileMenu = "File1";
inline constexpr std::string_view kImportMenu = "Import1";
inline constexpr std::string_view kExportMenu = "Export1";
inline constexpr std::string_view kEditMenu = "Edit1";
inline constexpr std::string_view kSearchMenu = "Search1";
inline constexpr std::string_view kBookmarksMenu = "Bookmarks1";
inline constexpr std::string_view kSetBookmarkMenu = "Set1";
inline constexpr std::string_view kGoToBookmarkMenu = "GoTo1";
inline constexpr std::string_view kActionsMenu = "Actions1";
inline constexpr std::string_view kToolsMenu = "Tools1";
inline constexpr std::string_view kTidyMenu = "Tidy1";
inline constexpr std::string_view kWindowMenu = "Window1";
inline constexpr std::string_view kOpenDocumentsMenu = "OpenDocuments1";
inline constexpr std::string_view kHelpMenu = "Help1";
inline constexpr std::string_view kMakerWebMenu = "TarnwellontheWeb1";

// File.
inline constexpr std::string_view kNewDocument = "New1";
inline constexpr std::string_view kNewFromTemplate = "NewfromTemplate1";
inline constexpr std::string_view kOpenLocalFile = "OpenfromLocal1";
inline constexpr std::string_view kOpenFromWeb = "OpenfromWeb1";
inline constexpr std::string_view kRecentFiles = "RecentFiles1";
inline constexpr std::string_view kSave = "Save1";
inline constexpr std::string_view kSaveAs = "SaveAs1";
inline constexpr std::string_view kImportTextFiles = "TextFiles1";
inline constexpr std::string_view kImportOtherFiles = "OtherFiles1";
inline constexpr std::string_view kExportUnixFormat = "UNIXFormat1";
inline constexpr std::string_view kExportMacFormat = "MacFormat1";
inline constexpr std::string_view kExportHighlightedRtf = "HighlightedCodetoRTF1";
inline constexpr std::string_view kExportHighlightedHtml = "HighlightedCodetoHTML1";
inline constexpr std::string_view kClose = "Close1";
inline constexpr std::string_view kCloseAll = "CloseAll1";
inline constexpr std::string_view kPrint = "Print1";
inline constexpr std::string_view kPageSetup = "PageSetup1";
inline constexpr std::string_view kExit = "Exit1";

// Edit.
inline constexpr std::string_view kUndo = "Undo1";
inline constexpr std::string_view kRedo = "Redo1";
inline constexpr std::string_view kCut = "Cut1";
inline constexpr std::string_view kCopy = "Copy1";
inline constexpr std::string_view kPaste = "Paste1";
inline constexpr std::string_view kSelectAll = "SelectAll1";
inline constexpr std::string_view kPreferences = "Preferences1";

// Search.
inline constexpr std::string_view kFind = "Find1";
inline constexpr std::string_view kReplace = "Replace1";
inline constexpr std::string_view kMultiFileReplace = "ExtendedFindandReplace1";
inline constexpr std::string_view kGoToLine = "GotoLine1";
inline constexpr std::string_view kGoToTop = "GotoTop1";
inline constexpr std::string_view kGoToBottom = "GotoBottom1";
// Bookmarks 0 to 9, by number.
inline constexpr std::array<std::string_view, 10> kSetBookmark = {
    "SetBookmark0", "SetBookmark1", "SetBookmark2", "SetBookmark3", "SetBookmark4",
    "SetBookmark5", "SetBookmark6", "SetBookmark7", "SetBookmark8", "SetBookmark9"};
inline constexpr std::array<std::string_view, 10> kGoToBookmark = {
    "GoToBookmark0", "GoToBookmark1", "GoToBookmark2", "GoToBookmark3", "GoToBookmark4",
    "GoToBookmark5", "GoToBookmark6", "GoToBookmark7", "GoToBookmark8", "GoToBookmark9"};

// Actions.
inline constexpr std::string_view kCapitalizeLine = "CapitalizeLine1";
inline constexpr std::string_view kSelectionToUppercase = "ConvertSelectiontoUppercase1";
inline constexpr std::string_view kSelectionToLowercase = "ConvertSelectiontoLowercase1";
inline constexpr std::string_view kLineToUppercase = "ConvertLinetoUppercase1";
inline constexpr std::string_view kLineToLowercase = "ConvertLinetoLowercase1";

// Tools.
inline constexpr std::string_view kSpellCheck = "SpellCheck1";
inline constexpr std::string_view kDownloadTimer = "DownloadTimer1";
inline constexpr std::string_view kLinkValidator = "LinkValidator1";
inline constexpr std::string_view kSheetcraft = "Sheetcraft1";
inline constexpr std::string_view kWysiwygEditor = "WYSIWYGEditor1";
inline constexpr std::string_view kImageMapCreator = "VisualImageMapCreator1";
inline constexpr std::string_view kLayerCreator = "VisualLayerCreator1";
inline constexpr std::string_view kContentWizards = "ContentWizards1";
inline constexpr std::string_view kColdFusionBuilder = "ColdFusionBuilder1";
inline constexpr std::string_view kConvertImageToWbmp = "ConvertImagetoWBMP1";
inline constexpr std::string_view kWebUpdate = "WebUpdate1";
inline constexpr std::string_view kHighlightingOptions = "HighlightingOptions1";

// Tidy.
inline constexpr std::string_view kFormatHtml = "FormatHTML1";
inline constexpr std::string_view kFixAndFormatHtml = "FixandFormatHTML1";
inline constexpr std::string_view kUpgradeToStyleSheets = "UpgradetoStyleSheets1";
inline constexpr std::string_view kUpgradeToXml = "UpgradetoXML101";
inline constexpr std::string_view kUpgradeToXhtml = "UpgradetoXHTML101";
inline constexpr std::string_view kCompressDocument = "CleanupWord2000HTML1";
inline constexpr std::string_view kValidateDocument = "ValidateDocument1";

// Window.
inline constexpr std::string_view kTileWindows = "Tile1";
inline constexpr std::string_view kCascadeWindows = "Cascade1";
inline constexpr std::string_view kNextWindow = "Next1";
inline constexpr std::string_view kPreviousWindow = "Previous1";

// Help.
inline constexpr std::string_view kContents = "Contents1";
inline constexpr std::string_view kMakerHomePage = "TarnwellHomepage1";
inline constexpr std::string_view kMakerProductsGuide = "TarnwellProductsGuide1";
inline constexpr std::string_view kMakerTechnicalSupport = "TechnicalSupport1";
inline constexpr std::string_view kMarkloomHomePage = "MarkloomHomepage1";
inline constexpr std::string_view kAbout = "About1";

// The command toolbars and the Preview drop-down on the Tools toolbar, whose
// entries 1 to 6 are the configured browsers.
inline constexpr std::string_view kStandardToolbar = "Standard";
inline constexpr std::string_view kToolsToolbar = "Tools";
inline constexpr std::string_view kPreviewMenu = "Preview";
inline constexpr std::array<std::string_view, 6> kPreviewInBrowser = {"Browser1", "Browser2", "Browser3",
                                                                      "Browser4", "Browser5", "Browser6"};

// A document window's Options toolbar.
inline constexpr std::string_view kLineNumbersToggle = "dxBarButton1";
inline constexpr std::string_view kGutterToggle = "dxBarButton2";
inline constexpr std::string_view kFullScreenToggle = "dxBarButton3";
inline constexpr std::string_view kWordWrapToggle = "dxBarButton4";
inline constexpr std::string_view kSplitScreenToggle = "dxBarButton5";
inline constexpr std::string_view kSpecialCharactersToggle = "dxBarButton6";
inline constexpr std::string_view kWmlPreview = "dxBarButton7";

// Markup: the Insert and Format menus, the Formatting toolbar and the tag bar.

}  // namespace markloom::ids
