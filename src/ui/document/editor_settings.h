#pragma once
// What the stored settings say about a document's editor, as a plain value.
// Flags are read as they are stored; colours and numbers stay as their stored
// text and are converted when the value is applied, so a value that cannot be
// read stops the applying at its own place, after the settings before it.
#include <string>

#include "core/settings/settings_snapshot.h"

namespace markloom {

struct EditorSettings {
  std::string customDictionary;  // empty: custom.dic in the program folder
  bool highlightUrls = false;
  bool autoIndent = false;
  bool smartTabs = false;
  bool backspaceUnindents = false;
  bool groupUndo = false;
  bool lineNumbers = false;
  bool cursorBeyondEof = false;
  bool cursorBeyondEol = false;
  bool findAtCursor = false;
  bool disableDragging = false;
  bool specialCharacters = false;
  bool doubleClickLine = false;

  // "NM" plain, "VG"/"HG" vertical or horizontal gradient; anything else
  // leaves the background alone.
  std::string editorBackgroundStyle;
  std::string editorBackground1, editorBackground2;
  std::string gutterBackgroundStyle;
  std::string gutterBackground1, gutterBackground2;

  std::string tabStops;     // "9, 17"
  std::string blockIndent;  // a whole number
  std::string keymapping;

  bool checkDuplicateSpaces = false;
  bool checkDuplicateWords = false;
  bool checkMarkup = false;
  bool ignoreFilenames = false;
  bool ignoreAllUppercase = false;
  bool ignoreNumbers = false;
  bool ignoreInternetAddresses = false;
  bool ignoreBrackets = false;

  static EditorSettings fromSnapshot(const SettingsSnapshot& snapshot);
};

}  // namespace markloom
