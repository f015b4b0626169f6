#pragma once
// Every stored setting, declared once. The constants below are the rows of
// the one settings table; settingsTable() lists them in the order the store
// is loaded. Loading, first-run defaults, the order Preferences writes in,
// its validation and what a document's editor applies all come from here.
//
// Adding a setting: one constant here, its place in settingsTable(), and its
// use (snapshot.get(kTheSetting), or a Preferences field bound to it).
#include <array>
#include <span>

#include "core/settings/setting.h"
#include "core/sites/transfer_type.h"

namespace markloom {

// Main key.
inline constexpr TextSetting kDefaultDirectory{{.key = "Default Directory", .writeRank = 20}};
inline constexpr IntegerSetting kTimedBackup{
    {.key = "Timed Backup", .range = {1, 1440}, .label = "Interval", .writeRank = 21}};
inline constexpr FlagSetting kAutoIndent{
    {.key = "Auto Indent", .firstRun = "True", .label = "&Auto indent mode", .writeRank = 22}};
inline constexpr FlagSetting kHighlightUrls{{.key = "Highlight URLs", .label = "&Highlight URLs", .writeRank = 23}};
inline constexpr FlagSetting kSmartTabs{{.key = "Smart Tabs", .firstRun = "True", .label = "S&mart Tab", .writeRank = 24}};
inline constexpr FlagSetting kBackspaceUnindents{
    {.key = "Backspace Unindents", .firstRun = "True", .label = "Backspace &Unindents", .writeRank = 25}};
inline constexpr FlagSetting kLineNumbers{
    {.key = "Line Numbers", .firstRun = "True", .label = "Line Numbers", .writeRank = 35}};
inline constexpr FlagSetting kGroupUndo{{.key = "Group Undo", .firstRun = "True", .label = "&Group undo", .writeRank = 26}};
inline constexpr FlagSetting kCursorBeyondEof{
    {.key = "Cursor Beyond EOF", .label = "Cursor beyond &EOF", .writeRank = 27}};
inline constexpr FlagSetting kCursorBeyondEol{
    {.key = "Cursor Beyond EOL", .label = "&Cursor beyond EOL", .writeRank = 28}};
inline constexpr FlagSetting kSpecialCharacters{
    {.key = "Special Characters", .label = "Display Special Chars", .writeRank = 29}};
inline constexpr FlagSetting kDoubleClickLine{
    {.key = "Double Click Line", .label = "&Double-click Line", .writeRank = 30}};
inline constexpr FlagSetting kFindAtCursor{
    {.key = "Find At Cursor", .firstRun = "True", .label = "Find te&xt at cursor", .writeRank = 31}};
inline constexpr FlagSetting kDisableDragging{
    {.key = "Disable Dragging", .label = "D&isable Dragging", .writeRank = 32}};
inline constexpr IntegerSetting kBlockIndent{{.key = "Block Indent",
                                              .firstRun = "1",
                                              .range = {0, 64},
                                              .emptyAllowed = false,
                                              .label = "Block Indent",
                                              .writeRank = 37}};
inline constexpr ListSetting kTabStops{{.key = "Tab Stops", .firstRun = "9, 17", .label = "Tab Stops", .writeRank = 36}};
inline constexpr TextSetting kKeymapping{{.key = "Keymapping", .firstRun = "Default", .writeRank = 38}};
inline constexpr FlagSetting kWordWrap{{.key = "Word Wrap", .firstRun = "True", .label = "Word Wrap", .writeRank = 33}};
inline constexpr FlagSetting kShowGutter{{.key = "Show Gutter", .firstRun = "True", .label = "Gutter", .writeRank = 34}};
// The tag hint on '<' and the JavaScript object hints; on for stores from
// before the options were kept.
inline constexpr FlagSetting kHtmlCuecard{{.key = "HTML Cuecard",
                                           .firstRun = "True",
                                           .whenAbsent = "True",
                                           .label = "Enable HTML Cuecard",
                                           .writeRank = 18}};
inline constexpr FlagSetting kJavaScriptCuecard{{.key = "JavaScript Cuecard",
                                                 .firstRun = "True",
                                                 .whenAbsent = "True",
                                                 .label = "Enable JavaScript Cuecard",
                                                 .writeRank = 19}};

// Proxies.
inline constexpr TextSetting kProxyServer{{.section = "Proxies", .key = "Server", .writeRank = 40}};
inline constexpr IntegerSetting kProxyPort{
    {.section = "Proxies", .key = "Port", .range = {1, 65535}, .label = "Proxy Port", .writeRank = 41}};
inline constexpr TextSetting kProxyUsername{{.section = "Proxies", .key = "Username", .writeRank = 42}};
inline constexpr TextSetting kProxyPassword{{.section = "Proxies", .key = "Password", .writeRank = 43}};

// Open from Web, kept with the other settings of fetching from the web: the
// largest page it fetches (megabytes) and the longest a fetch may take
// (seconds); empty reads as the first-run value.
inline constexpr IntegerSetting kWebSizeLimit{{.section = "Proxies",
                                               .key = "Web Size Limit",
                                               .firstRun = "256",
                                               .range = {1, 65536},
                                               .label = "Open from Web size limit (MB)",
                                               .writeRank = 44}};
inline constexpr IntegerSetting kWebTimeLimit{{.section = "Proxies",
                                               .key = "Web Time Limit",
                                               .firstRun = "1800",
                                               .range = {1, 86400},
                                               .label = "Open from Web time limit (s)",
                                               .writeRank = 45}};
// Hostdeck: the extensions the "Auto" transfer type sends as text.
inline constexpr TextSetting kHostdeckTextExtensions{{.section = "Hostdeck",
                                                      .key = "Text Extensions",
                                                      .firstRun = kDefaultTextExtensions,
                                                      .whenAbsent = kDefaultTextExtensions,
                                                      .label = "Text extensions",
                                                      .writeRank = 46}};

// Colors. The styles are "NM", "VG" or "HG"; the dialog keeps a stored style
// it cannot name.
inline constexpr TextSetting kEditorBackgroundStyle{
    {.section = "Colors", .key = "Editor Background Style", .firstRun = "", .writeRank = 80}};
inline constexpr ColourSetting kEditorBackground1{{.section = "Colors",
                                                   .key = "Editor Background 1",
                                                   .firstRun = "clWindow",
                                                   .emptyAllowed = false,
                                                   .label = "Editor Primary Color",
                                                   .writeRank = 81}};
inline constexpr ColourSetting kEditorBackground2{{.section = "Colors",
                                                   .key = "Editor Background 2",
                                                   .firstRun = "clNone",
                                                   .emptyAllowed = false,
                                                   .label = "Editor Secondary Color",
                                                   .writeRank = 82}};
inline constexpr TextSetting kGutterBackgroundStyle{
    {.section = "Colors", .key = "Gutter Background Style", .firstRun = "", .writeRank = 83}};
inline constexpr ColourSetting kGutterBackground1{{.section = "Colors",
                                                   .key = "Gutter Background 1",
                                                   .firstRun = "clBtnFace",
                                                   .emptyAllowed = false,
                                                   .label = "Gutter Primary Color",
                                                   .writeRank = 84}};
inline constexpr ColourSetting kGutterBackground2{{.section = "Colors",
                                                   .key = "Gutter Background 2",
                                                   .firstRun = "clNone",
                                                   .emptyAllowed = false,
                                                   .label = "Gutter Secondary Color",
                                                   .writeRank = 85}};

// Programs: the six preview browsers and their menu captions, written in
// pairs (path, title).
inline constexpr std::array<TextSetting, 6> kBrowser{
    TextSetting{{.section = "Programs", .key = "Browser 1", .writeRank = 50}},
    TextSetting{{.section = "Programs", .key = "Browser 2", .writeRank = 52}},
    TextSetting{{.section = "Programs", .key = "Browser 3", .writeRank = 54}},
    TextSetting{{.section = "Programs", .key = "Browser 4", .writeRank = 56}},
    TextSetting{{.section = "Programs", .key = "Browser 5", .writeRank = 58}},
    TextSetting{{.section = "Programs", .key = "Browser 6", .writeRank = 60}},
};
inline constexpr std::array<TextSetting, 6> kBrowserTitle{
    TextSetting{{.section = "Programs", .key = "Browser 1 Title", .writeRank = 51}},
    TextSetting{{.section = "Programs", .key = "Browser 2 Title", .writeRank = 53}},
    TextSetting{{.section = "Programs", .key = "Browser 3 Title", .writeRank = 55}},
    TextSetting{{.section = "Programs", .key = "Browser 4 Title", .writeRank = 57}},
    TextSetting{{.section = "Programs", .key = "Browser 5 Title", .writeRank = 59}},
    TextSetting{{.section = "Programs", .key = "Browser 6 Title", .writeRank = 61}},
};
// Read from the store by the Programs page and the visual editor command only.
inline constexpr TextSetting kVisualEditor{
    {.section = "Programs", .key = "WYSIWYG Editor", .writeRank = 62, .inSnapshot = false}};
inline constexpr TextSetting kImageEditor{
    {.section = "Programs", .key = "Image Editor", .writeRank = 63, .inSnapshot = false}};

// Tidy: tag names added to tidy's configuration, and how long a run may take.
inline constexpr TextSetting kTidyInlineTags{{.section = "Tidy", .key = "In-Line Tags", .writeRank = 10}};
inline constexpr TextSetting kTidyEmptyTags{{.section = "Tidy", .key = "Empty Tags", .writeRank = 11}};
inline constexpr TextSetting kTidyBlockTags{{.section = "Tidy", .key = "Block-Level Tags", .writeRank = 12}};
inline constexpr TextSetting kTidyPreformattedTags{{.section = "Tidy", .key = "Preformatted Tags", .writeRank = 13}};
inline constexpr IntegerSetting kTidyTimeLimit{{.section = "Tidy", .key = "Time Limit", .range = {1, 86400}}};

// Proofing Tools: the spell checker's options.
inline constexpr FlagSetting kIgnoreAllUppercase{
    {.section = "Proofing Tools", .key = "Ignore All Uppercase", .label = "Ignore all &UPPERCASE", .writeRank = 70}};
inline constexpr FlagSetting kIgnoreNumbers{
    {.section = "Proofing Tools", .key = "Ignore Numbers", .label = "Ignore &numbers", .writeRank = 71}};
inline constexpr FlagSetting kIgnoreBrackets{
    {.section = "Proofing Tools", .key = "Ignore Brackets", .label = "Ignore b&rackets", .writeRank = 72}};
inline constexpr FlagSetting kIgnoreFilenames{
    {.section = "Proofing Tools", .key = "Ignore Filenames", .label = "Ignore &filenames", .writeRank = 73}};
inline constexpr FlagSetting kIgnoreInternetAddresses{{.section = "Proofing Tools",
                                                       .key = "Ignore Internet Addresses",
                                                       .label = "Ignore &Internet addresses",
                                                       .writeRank = 74}};
inline constexpr TextSetting kCustomDictionary{{.section = "Proofing Tools", .key = "Custom Dictionary", .writeRank = 78}};
inline constexpr FlagSetting kCheckDuplicateSpaces{{.section = "Proofing Tools",
                                                    .key = "Check for Duplicate Spaces",
                                                    .label = "Check for &duplicate spaces",
                                                    .writeRank = 75}};
inline constexpr FlagSetting kCheckDuplicateWords{{.section = "Proofing Tools",
                                                   .key = "Check for Duplicate Words",
                                                   .label = "Check for duplicate &words",
                                                   .writeRank = 76}};
inline constexpr FlagSetting kCheckMarkup{
    {.section = "Proofing Tools", .key = "Check Markup", .label = "Check &markup too", .writeRank = 77}};

// Session: reopening the last session's files at start is on unless this
// reads exactly "False" (a store from before the option reopens them).
inline constexpr FlagSetting kReopenSession{{.section = "Session",
                                             .key = "Restore",
                                             .label = "Reopen the files of the last session at start",
                                             .inSnapshot = false}};

// Every row, in load order: the main key, Proxies, Colors, Programs, Tidy,
// Proofing Tools; then the rows kept out of the snapshot.
std::span<const SettingRow* const> settingsTable();

}  // namespace markloom
