#pragma once
// What the Preferences dialog writes: every setting it edits, written key by
// key in the table's write order when the dialog closes with OK, and the
// checks that refuse a value the settings cannot hold.
#include <optional>
#include <string>
#include <vector>

#include "core/settings/settings_snapshot.h"
#include "core/settings/settings_store.h"

namespace markloom {

// The texts OK writes, by setting. A setting left out is not written (a
// background style the dialog cannot name keeps its stored value).
using PreferenceValues = SettingsSnapshot;

// The rows OK writes, in writing order: Tidy, the main key, Proxies,
// Programs, Proofing Tools, Colors.
std::vector<const SettingRow*> preferencesWriteOrder();

// The flags of the Editor page in the order of its check boxes (left column,
// then right), and of the Spell Check page (Spelling, then Grammar). Each
// box's caption is its setting's label.
const std::vector<const FlagSetting*>& editorFlagFields();
const std::vector<const FlagSetting*>& spellingFlagFields();

// Background styles: the caption the dialog shows and the stored code.
struct BackgroundStyle {
  const char* caption;
  const char* code;
};
const std::vector<BackgroundStyle>& backgroundStyles();
// The stored code of a caption ("Vertical Gradient" -> "VG"); nullopt for any other text.
std::optional<std::string> styleCode(const std::string& caption);
// The caption of a stored code; nullopt for a code the dialog does not know.
std::optional<std::string> styleCaption(const std::string& code);

// Why the settings cannot hold text as the value of row: a number that is
// not a whole number or out of its range, a colour text that names no
// colour. The message names the field; nullopt when the text is valid.
std::optional<std::string> refusedValue(const SettingRow& row, const std::string& text);
// The first refused value of values, in write order; nullopt when all are
// valid. Such values would make every later document window fail to apply.
std::optional<std::string> refusedPreference(const PreferenceValues& values);

// Writes the values in preferencesWriteOrder(); a key that cannot be opened
// (even with create) is skipped.
void writePreferences(SettingsStore& store, const PreferenceValues& values);

}  // namespace markloom
