#pragma once
// What the Preferences dialog writes: every setting it edits, by value name,
// written key by key in a fixed order when the dialog closes with OK.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/settings/settings_schema.h"
#include "core/settings/settings_store.h"

namespace markloom {

// Value name -> text. A name left out is not written (a background style the
// dialog cannot name keeps its stored value).
using PreferenceValues = std::map<std::string, std::string>;

// The keys and values OK writes, in writing order: Tidy, the main key,
// Proxies, Programs, Proofing Tools, Colors.
const std::vector<SettingsKey>& preferencesWriteOrder();

// The flags of the Editor page, in the order of its check boxes (left column,
// then right), with the captions of the boxes.
struct FlagField {
  const char* caption;
  const char* value;
};
const std::vector<FlagField>& editorFlagFields();
const std::vector<FlagField>& spellingFlagFields();

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

// Values the settings cannot hold, which every later document window would
// fail to apply: a Block Indent that is not a whole number, a colour text that
// names no colour. The message names the field; nullopt when all are valid.
std::optional<std::string> refusedPreference(const PreferenceValues& values);

// Writes the values in preferencesWriteOrder(); a key that cannot be opened
// (even with create) is skipped.
void writePreferences(SettingsStore& store, const PreferenceValues& values);

}  // namespace markloom
