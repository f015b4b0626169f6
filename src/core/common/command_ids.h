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
inline constexpr std::string_view kHostdeck = "dxBarButton5";
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
// The rules Validate Document uses: chosen by the page's DOCTYPE, or forced.
inline constexpr std::string_view kValidationRulesMenu = "ValidationRules1";
inline constexpr std::string_view kValidationRulesByDoctype = "RulesByDoctype1";
inline constexpr std::string_view kValidationRulesHtml5 = "Html5Rules1";
inline constexpr std::string_view kValidationRulesHtml4 = "Html4Rules1";

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

// Menus and bars the markup commands fill.
inline constexpr std::string_view kInsertMenu = "Insert1";
inline constexpr std::string_view kMultimediaMenu = "Multimedia1";
inline constexpr std::string_view kFormatMenu = "Format1";
inline constexpr std::string_view kFontStyleMenu = "FontFace1";
inline constexpr std::string_view kFontSizeMenu = "FontSizes1";
inline constexpr std::string_view kHeadingMenu = "HeaderLevels1";
inline constexpr std::string_view kAlignmentMenu = "Alignment1";
inline constexpr std::string_view kBigSmallMenu = "BigSmallMenu";
inline constexpr std::string_view kSsiExtrasMenu = "ExtrasMenu";
inline constexpr std::string_view kFormattingBar = "Formatting";
inline constexpr std::string_view kCommonTab = "CommonTab";
inline constexpr std::string_view kFramesTab = "FramesTab";
inline constexpr std::string_view kTablesTab = "TablesTab";
inline constexpr std::string_view kFormsTab = "FormsTab";
inline constexpr std::string_view kListsTab = "ListsTab";
inline constexpr std::string_view kWmlTab = "WMLTab";
inline constexpr std::string_view kAspTab = "ASPTab";
inline constexpr std::string_view kColdFusionTab = "ColdFusionTab";
inline constexpr std::string_view kSsiTab = "SSITab";
inline constexpr std::string_view kPhpTab = "PHPTab";
inline constexpr std::string_view kWebTvTab = "WebTVTab";
inline constexpr std::string_view kJspTab = "JSPTab";

// Insert menu. A command's tag bar button has a name of its own where it
// differs from the command's.
inline constexpr std::string_view kInsertImage = "Image1";
inline constexpr std::string_view kInsertImageButton = "ImageButton";
inline constexpr std::string_view kInsertRollover = "RolloverImage1";
inline constexpr std::string_view kInsertRolloverButton = "RolloverButton";
inline constexpr std::string_view kInsertTable = "Table1";
inline constexpr std::string_view kInsertTableButton = "TableButton";
inline constexpr std::string_view kInsertLayer = "Layer1";
inline constexpr std::string_view kInsertLayerButton = "LayerButton";
inline constexpr std::string_view kInsertHorizontalRule = "HorizontalRule1";
inline constexpr std::string_view kInsertLineBreak = "LineBreak1";
inline constexpr std::string_view kInsertLineBreakButton = "LineBreakButton";
inline constexpr std::string_view kInsertNonBreakingSpace = "NonBreakingSpace1";
inline constexpr std::string_view kInsertHyperlink = "Hyperlink1";
inline constexpr std::string_view kInsertHyperlinkButton = "HyperlinkButton";
inline constexpr std::string_view kInsertAnchor = "Anchor1";
inline constexpr std::string_view kInsertAnchorButton = "AnchorButton";
inline constexpr std::string_view kInsertScript = "JavaScript1";
inline constexpr std::string_view kInsertScriptButton = "ScriptButton";
inline constexpr std::string_view kInsertApplet = "JavaApplet1";
inline constexpr std::string_view kInsertAppletButton = "AppletButton";
inline constexpr std::string_view kInsertNavigationMenu = "N12";
inline constexpr std::string_view kInsertNavigationMenuButton = "NavigationMenuButton";
inline constexpr std::string_view kInsertShockwave = "Shockwave1";
inline constexpr std::string_view kInsertShockwaveButton = "ShockwaveButton";
inline constexpr std::string_view kInsertQuickTime = "QuickTime1";
inline constexpr std::string_view kInsertQuickTimeButton = "QuickTimeButton";
inline constexpr std::string_view kInsertRealVideo = "RealVideo1";
inline constexpr std::string_view kInsertRealVideoButton = "RealVideoButton";
inline constexpr std::string_view kInsertVideo = "Video1";
inline constexpr std::string_view kInsertVideoButton = "VideoButton";
inline constexpr std::string_view kInsertSound = "Audio1";
inline constexpr std::string_view kInsertSoundButton = "SoundButton";
inline constexpr std::string_view kInsertActiveX = "ActiveXControl1";
inline constexpr std::string_view kInsertActiveXButton = "ActiveXButton";
inline constexpr std::string_view kInsertPlugin = "Plugin1";
inline constexpr std::string_view kInsertPluginButton = "PluginButton";
inline constexpr std::string_view kInsertTimestamp = "Timestamp1";
inline constexpr std::string_view kInsertTimestampButton = "TimeStampButton";

// Format menu and the Formatting toolbar.
inline constexpr std::string_view kFormatFont = "Font1";
inline constexpr std::string_view kLinkStyleSheet = "UsingStyleSheets1";
inline constexpr std::string_view kInsertTransition = "DHTMLTransitions1";
inline constexpr std::string_view kBold = "Bold1";
inline constexpr std::string_view kItalic = "Italic1";
inline constexpr std::string_view kUnderline = "Underline1";
inline constexpr std::string_view kBlink = "Blink1";
inline constexpr std::string_view kStrikethrough = "Strikethrough1";
inline constexpr std::string_view kFontSize6 = "N62";
inline constexpr std::string_view kFontSize5 = "N53";
inline constexpr std::string_view kFontSize4 = "N42";
inline constexpr std::string_view kFontSize3 = "N32";
inline constexpr std::string_view kFontSize2 = "N22";
inline constexpr std::string_view kFontSize1 = "N110";
inline constexpr std::string_view kFontSizeMinus1 = "N111";
inline constexpr std::string_view kFontSizeMinus2 = "N23";
inline constexpr std::string_view kHeading1 = "H11";
inline constexpr std::string_view kHeading2 = "H21";
inline constexpr std::string_view kHeading3 = "H31";
inline constexpr std::string_view kHeading4 = "H41";
inline constexpr std::string_view kHeading5 = "H51";
inline constexpr std::string_view kHeading6 = "H61";
inline constexpr std::string_view kAlignLeft = "LeftBtn";
inline constexpr std::string_view kAlignCenter = "rghtbtn";
inline constexpr std::string_view kAlignRight = "cntbtn";
inline constexpr std::string_view kFontFaceBox = "fontbox";
inline constexpr std::string_view kFontColourBox = "dxBarColorCombo1";

// Frames and Tables tabs.
inline constexpr std::string_view kInsertFrameset = "FramesetButton";
inline constexpr std::string_view kInsertFrame = "FrameButton";
inline constexpr std::string_view kInsertInlineFrame = "IFrameButton";
inline constexpr std::string_view kInsertNoFrames = "NoFrameButton";
inline constexpr std::string_view kInsertTableBody = "tobdyButton";
inline constexpr std::string_view kInsertTableHead = "tHeadButton";
inline constexpr std::string_view kInsertTableFoot = "tFootButton";
inline constexpr std::string_view kInsertTableRow = "tRButton";
inline constexpr std::string_view kInsertTableCell = "tDButton";

// Forms tab.
inline constexpr std::string_view kInsertForm = "FormButton";
inline constexpr std::string_view kInsertInputField = "FormInputButton";
inline constexpr std::string_view kInsertCheckBox = "FormCheckBox";
inline constexpr std::string_view kInsertRadioButton = "FormRadio";
inline constexpr std::string_view kInsertTextField = "FormEdit";
inline constexpr std::string_view kInsertTextArea = "FormMemo";
inline constexpr std::string_view kInsertDropDownList = "FormCombo";
inline constexpr std::string_view kInsertFileField = "FormFile";
inline constexpr std::string_view kInsertImageInput = "FormImage";
inline constexpr std::string_view kInsertHiddenField = "FormHidden";

// Lists tab.
inline constexpr std::string_view kListWizard = "WizardButton";
inline constexpr std::string_view kInsertUnorderedList = "ULButton";
inline constexpr std::string_view kInsertOrderedList = "ToolbarButton9735";
inline constexpr std::string_view kInsertListItem = "ToolbarButton9736";
inline constexpr std::string_view kInsertDefinition = "ToolbarButton9734";
inline constexpr std::string_view kInsertDefinitionTerm = "ToolbarButton9732";
inline constexpr std::string_view kInsertMenuList = "ToolbarButton977";

// WML tab.
inline constexpr std::string_view kInsertWmlAccess = "ToolbarButton9738";
inline constexpr std::string_view kInsertWmlCard = "ToolbarButton9737";
inline constexpr std::string_view kInsertWmlGo = "ToolbarButton9733";
inline constexpr std::string_view kBigSmallButton = "BigSmallButton";
inline constexpr std::string_view kBig = "Big1";
inline constexpr std::string_view kSmall = "Small1";
inline constexpr std::string_view kStrong = "ToolbarButton9740";
inline constexpr std::string_view kEmphasis = "ToolbarButton9739";
inline constexpr std::string_view kWmlUnderline = "ToolbarButton9741";

// ASP tab.
inline constexpr std::string_view kAspVariables = "ASPButton1";
inline constexpr std::string_view kAspInclude = "ASPButton2";
inline constexpr std::string_view kAspCode = "ASPButton3";
inline constexpr std::string_view kAspExpression = "ASPButton4";
inline constexpr std::string_view kAspIf = "ASPButton5";
inline constexpr std::string_view kAspElse = "ASPButton6";
inline constexpr std::string_view kAspEndIf = "ASPButton7";

// ColdFusion tab.
inline constexpr std::string_view kColdFusionVariables = "ToolbarButton976";
inline constexpr std::string_view kColdFusionTagBox = "CFTagBox";
inline constexpr std::string_view kInsertColdFusionTag = "CFTagButton";
inline constexpr std::string_view kColdFusionIf = "ToolbarButton9710";
inline constexpr std::string_view kColdFusionElse = "ToolbarButton979";
inline constexpr std::string_view kColdFusionElseIf = "ToolbarButton978";
inline constexpr std::string_view kColdFusionSet = "ToolbarButton975";
inline constexpr std::string_view kColdFusionOutput = "ToolbarButton974";

// SSI tab and its Extras menu.
inline constexpr std::string_view kSsiVariables = "ToolbarButton9713";
inline constexpr std::string_view kSsiBreak = "ToolbarButton9715";
inline constexpr std::string_view kSsiEcho = "ToolbarButton9716";
inline constexpr std::string_view kSsiLabel = "ToolbarButton9714";
inline constexpr std::string_view kSsiGoto = "ToolbarButton9712";
inline constexpr std::string_view kSsiExtrasButton = "ExtrasButton";
inline constexpr std::string_view kSsiOdbc = "ExtrasODBC";
inline constexpr std::string_view kSsiOdbcConnect = "ExtrasODBCConnect";
inline constexpr std::string_view kSsiOdbcDebug = "ExtrasODBCDebug";
inline constexpr std::string_view kSsiOdbcFormat = "ExtrasODBCFormat";
inline constexpr std::string_view kSsiExec = "ExtrasExec";
inline constexpr std::string_view kSsiExecCommand = "ExtrasExecCommand";
inline constexpr std::string_view kSsiExecCgi = "ExtrasExecCGI";
inline constexpr std::string_view kSsiInclude = "ExtrasInclude";
inline constexpr std::string_view kSsiIncludeVirtual = "ExtrasIncludeVirtual";
inline constexpr std::string_view kSsiIncludeDirect = "ExtrasIncludeDirect";
inline constexpr std::string_view kSsiLastModified = "ExtrasFlastmod";
inline constexpr std::string_view kSsiLastModifiedVirtual = "ExtrasFlastmodVirtual";
inline constexpr std::string_view kSsiLastModifiedDirect = "ExtrasFlastmodDirect";
inline constexpr std::string_view kSsiFileSize = "ExtrasFileSize";
inline constexpr std::string_view kSsiFileSizeVirtual = "ExtrasFileSizeVirtual";
inline constexpr std::string_view kSsiFileSizeDirect = "ExtrasFileSizeDirect";

// PHP tab.
inline constexpr std::string_view kPhpVariables = "PHPVarButton";
inline constexpr std::string_view kPhpShortTag = "ToolbarButton9724";
inline constexpr std::string_view kPhpTag = "ToolbarButton9725";
inline constexpr std::string_view kPhpVariable = "ToolbarButton9726";
inline constexpr std::string_view kPhpArrayElement = "ToolbarButton9729";
inline constexpr std::string_view kPhpEcho = "ToolbarButton9727";
inline constexpr std::string_view kPhpIf = "ToolbarButton9728";
inline constexpr std::string_view kPhpElse = "ToolbarButton9730";
inline constexpr std::string_view kPhpElseIf = "ToolbarButton9731";

// WebTV tab.
inline constexpr std::string_view kWebTvAudioscope = "ToolbarButton9719";
inline constexpr std::string_view kWebTvBaseFont = "ToolbarButton9721";
inline constexpr std::string_view kWebTvBlockQuote = "ToolbarButton9723";
inline constexpr std::string_view kWebTvLimitText = "ToolbarButton9743";
inline constexpr std::string_view kWebTvNoBreak = "ToolbarButton9722";
inline constexpr std::string_view kWebTvNoSmartQuotes = "ToolbarButton9720";
inline constexpr std::string_view kWebTvShadow = "ToolbarButton9718";
inline constexpr std::string_view kWebTvSidebar = "ToolbarButton9717";

// JSP tab.
inline constexpr std::string_view kJspInfo = "JSPButton";
inline constexpr std::string_view kJspDeclaration = "ToolbarButton9744";
inline constexpr std::string_view kJspScriptlet = "ToolbarButton9746";
inline constexpr std::string_view kJspExpression = "ToolbarButton9745";
inline constexpr std::string_view kJspInclude = "ToolbarButton9747";
inline constexpr std::string_view kJspComment = "ToolbarButton9748";
inline constexpr std::string_view kJspParam = "ToolbarButton9750";
inline constexpr std::string_view kJspParams = "ToolbarButton9749";

}  // namespace markloom::ids
