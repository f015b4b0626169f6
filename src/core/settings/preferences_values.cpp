#include "core/settings/preferences_values.h"

#include <algorithm>

#include "core/common/error.h"
#include "core/settings/color_text.h"
#include "core/settings/settings_table.h"
#include "core/text/whole_number.h"

namespace markloom {

std::vector<const SettingRow*> preferencesWriteOrder() {
  std::vector<const SettingRow*> rows;
  for (const SettingRow* row : settingsTable())
    if (row->writeRank > 0) rows.push_back(row);
  std::stable_sort(rows.begin(), rows.end(),
                   [](const SettingRow* a, const SettingRow* b) { return a->writeRank < b->writeRank; });
  return rows;
}

const std::vector<const FlagSetting*>& editorFlagFields() {
  static const std::vector<const FlagSetting*> fields{
      &kAutoIndent,      &kSmartTabs,       &kBackspaceUnindents, &kGroupUndo,       &kCursorBeyondEof,
      &kCursorBeyondEol, &kSpecialCharacters, &kDoubleClickLine,  &kFindAtCursor,    &kDisableDragging,
      &kHighlightUrls,   &kWordWrap,        &kShowGutter,         &kLineNumbers,
  };
  return fields;
}

const std::vector<const FlagSetting*>& spellingFlagFields() {
  static const std::vector<const FlagSetting*> fields{
      &kIgnoreAllUppercase,   &kIgnoreNumbers,       &kIgnoreBrackets, &kIgnoreFilenames, &kIgnoreInternetAddresses,
      &kCheckDuplicateSpaces, &kCheckDuplicateWords, &kCheckMarkup,
  };
  return fields;
}

const std::vector<BackgroundStyle>& backgroundStyles() {
  // In the order the style boxes list them (sorted).
  static const std::vector<BackgroundStyle> styles{
      {"Horizontal Gradient", "HG"},
      {"Normal", "NM"},
      {"Vertical Gradient", "VG"},
  };
  return styles;
}

std::optional<std::string> styleCode(const std::string& caption) {
  for (const BackgroundStyle& s : backgroundStyles())
    if (caption == s.caption) return s.code;
  return std::nullopt;
}

std::optional<std::string> styleCaption(const std::string& code) {
  for (const BackgroundStyle& s : backgroundStyles())
    if (code == s.code) return s.caption;
  return std::nullopt;
}

std::optional<std::string> refusedValue(const SettingRow& row, const std::string& text) {
  const std::string field = std::string(row.label.empty() ? row.key : row.label) + ": '" + text + "'";
  if (text.empty() && row.emptyAllowed) return std::nullopt;
  switch (row.kind) {
    case SettingKind::Integer: {
      int n = 0;
      try {
        n = wholeNumber(text, TrailingBlanks::Allowed);
      } catch (const Error&) {
        return field + " is not a whole number.";
      }
      if (n < row.range.minimum || n > row.range.maximum)
        return field + " is not between " + std::to_string(row.range.minimum) + " and " +
               std::to_string(row.range.maximum) + ".";
      return std::nullopt;
    }
    case SettingKind::Colour:
      if (!textToColor(text)) return field + " is not a colour.";
      return std::nullopt;
    case SettingKind::List:
      if (const auto numbers = positiveNumberList(text); !numbers || numbers->empty())
        return field + " is not a list of whole numbers.";
      return std::nullopt;
    case SettingKind::Flag:
    case SettingKind::Text:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::string> refusedPreference(const PreferenceValues& values) {
  for (const SettingRow* row : preferencesWriteOrder())
    if (values.contains(*row))
      if (auto refused = refusedValue(*row, values.text(*row))) return refused;
  return std::nullopt;
}

void writePreferences(SettingsStore& store, const PreferenceValues& values) {
  const std::vector<const SettingRow*> order = preferencesWriteOrder();
  for (auto first = order.begin(); first != order.end();) {
    const std::string_view section = (*first)->section;
    const auto last = std::find_if(first, order.end(), [&](const SettingRow* r) { return r->section != section; });
    const std::string key(section);
    if (store.openKey(key, true))
      for (auto it = first; it != last; ++it)
        if (values.contains(**it)) store.write(key, std::string((*it)->key), values.text(**it));
    first = last;
  }
}

}  // namespace markloom
