#include "ui/document/editor_settings.h"

namespace markloom {

EditorSettings EditorSettings::fromSnapshot(const SettingsSnapshot& s) {
  EditorSettings e;
  e.customDictionary = s.value("Custom Dictionary");
  e.highlightUrls = s.flag("Highlight URLs");
  e.autoIndent = s.flag("Auto Indent");
  e.smartTabs = s.flag("Smart Tabs");
  e.backspaceUnindents = s.flag("Backspace Unindents");
  e.groupUndo = s.flag("Group Undo");
  e.lineNumbers = s.flag("Line Numbers");
  e.cursorBeyondEof = s.flag("Cursor Beyond EOF");
  e.cursorBeyondEol = s.flag("Cursor Beyond EOL");
  e.findAtCursor = s.flag("Find At Cursor");
  e.disableDragging = s.flag("Disable Dragging");
  e.specialCharacters = s.flag("Special Characters");
  e.doubleClickLine = s.flag("Double Click Line");
  e.editorBackgroundStyle = s.value("Editor Background Style");
  e.editorBackground1 = s.value("Editor Background 1");
  e.editorBackground2 = s.value("Editor Background 2");
  e.gutterBackgroundStyle = s.value("Gutter Background Style");
  e.gutterBackground1 = s.value("Gutter Background 1");
  e.gutterBackground2 = s.value("Gutter Background 2");
  e.tabStops = s.value("Tab Stops");
  e.blockIndent = s.value("Block Indent");
  e.keymapping = s.value("Keymapping");
  e.checkDuplicateSpaces = s.flag("Check for Duplicate Spaces");
  e.checkDuplicateWords = s.flag("Check for Duplicate Words");
  e.ignoreFilenames = s.flag("Ignore Filenames");
  e.ignoreAllUppercase = s.flag("Ignore All Uppercase");
  e.ignoreNumbers = s.flag("Ignore Numbers");
  e.ignoreInternetAddresses = s.flag("Ignore Internet Addresses");
  e.ignoreBrackets = s.flag("Ignore Brackets");
  e.checkMarkup = s.flag("Check Markup");
  return e;
}

}  // namespace markloom
