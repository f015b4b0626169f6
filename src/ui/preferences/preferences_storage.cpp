#include "ui/preferences/preferences_storage.h"

#include "core/common/error.h"
#include "core/settings/color_text.h"
#include "core/settings/preferences_values.h"
#include "core/settings/settings_schema.h"
#include "core/settings/settings_table.h"
#include "core/document/data_file_text.h"
#include "core/text/line_list.h"
#include "core/workspace/session.h"
#include "ui/preferences/preferences_text.h"

namespace markloom {

namespace {

using preferences::stored;

struct Background {
  const TextSetting& style;
  const ColourSetting& primary;
  const ColourSetting& secondary;
};
const Background kEditorBackground{kEditorBackgroundStyle, kEditorBackground1, kEditorBackground2};
const Background kGutterBackground{kGutterBackgroundStyle, kGutterBackground1, kGutterBackground2};

// The snapshot's own texts.
void copy(PreferenceValues& values, const SettingsSnapshot& snapshot, const SettingRow& row) {
  values.set(row, snapshot.text(row));
}

void loadBackground(PreferenceValues& values, const SettingsSnapshot& snapshot, const Background& background) {
  // A code the style box cannot name shows as "Normal", and OK writes that.
  const std::string& style = snapshot.get(background.style);
  values.set(background.style, styleCaption(style) ? style : *styleCode("Normal"));
  // Colours show as the colour text names them; one that cannot be read is
  // reported as the settings report it.
  values.set(background.primary, colorToText(colorFromText(snapshot.get(background.primary))));
  values.set(background.secondary, colorToText(colorFromText(snapshot.get(background.secondary))));
}

}  // namespace

std::vector<std::string> PreferencesStorage::load(PreferencesFields& fields, const SettingsSnapshot& s,
                                                  SettingsStore& store) {
  std::vector<std::string> failures;
  auto step = [&failures](auto&& fill) {
    try {
      fill();
    } catch (const Error& e) {
      failures.push_back(e.what());
    }
  };
  PreferenceValues& v = fields.settings;
  step([&] { copy(v, s, kDefaultDirectory.row); });
  templates_.reset();
  cuecard_.reset();
  step([&] {
    const std::vector<TagTemplate> bytes = readTagTemplates(stored(files_.templates));
    const TextCodec codec = detectTemplateCodec(bytes);
    templates_ = {decodeTemplates(codec, bytes), codec};
    fields.templates = templates_->entries;
  });
  step([&] {
    for (const TextSetting* tags : {&kTidyInlineTags, &kTidyBlockTags, &kTidyPreformattedTags, &kTidyEmptyTags})
      copy(v, s, tags->row);
  });
  step([&] {
    for (std::size_t i = 0; i < kBrowser.size(); ++i) {
      v.set(kBrowser[i], readStored(store, kBrowser[i].row));
      v.set(kBrowserTitle[i], readStored(store, kBrowserTitle[i].row));
    }
    v.set(kVisualEditor, readStored(store, kVisualEditor.row));
    v.set(kImageEditor, readStored(store, kImageEditor.row));
  });
  step([&] {
    for (const FlagSetting* flag : editorFlagFields()) copy(v, s, flag->row);
    for (const FlagSetting* flag : spellingFlagFields()) copy(v, s, flag->row);
    for (const FlagSetting* flag : {&kHtmlCuecard, &kJavaScriptCuecard}) copy(v, s, flag->row);
    for (const SettingRow* row : {&kCustomDictionary.row, &kTabStops.row, &kKeymapping.row, &kBlockIndent.row})
      copy(v, s, *row);
  });
  step([&] { copy(v, s, kTimedBackup.row); });
  step([&] { fields.reopenSession = sessionRestoreEnabled(store); });
  step([&] {
    const std::vector<std::string> bytes = readLineList(stored(files_.cuecard));
    const TextCodec codec = detectListCodec(bytes);
    cuecard_ = {decodeEntries(codec, bytes), codec};
    fields.cuecard = cuecard_->entries;
  });
  step([&] { loadBackground(v, s, kEditorBackground); });
  step([&] { loadBackground(v, s, kGutterBackground); });
  step([&] {
    for (const SettingRow* row : {&kProxyServer.row, &kProxyPort.row, &kProxyUsername.row, &kProxyPassword.row,
                                  &kWebSizeLimit.row, &kWebTimeLimit.row,
                                  &kHostdeckTextExtensions.row})
      copy(v, s, *row);
  });
  return failures;
}

void PreferencesStorage::save(const PreferencesFields& fields, SettingsStore& store) const {
  const QString templatesTarget = files_.templatesTarget.isEmpty() ? files_.templates : files_.templatesTarget;
  const QString cuecardTarget = files_.cuecardTarget.isEmpty() ? files_.cuecard : files_.cuecardTarget;
  const TextCodec utf8(TextEncoding::Utf8);
  if (!templates_ || templates_->entries != fields.templates) {
    const TextCodec codec = codecToWrite(templates_ ? templates_->codec : utf8, fields.templates);
    writeTagTemplates(stored(templatesTarget), encodeTemplates(codec, fields.templates));
  }
  writePreferences(store, fields.settings);
  writeSessionRestore(store, fields.reopenSession);
  if (!cuecard_ || cuecard_->entries != fields.cuecard) {
    const TextCodec codec = codecToWrite(cuecard_ ? cuecard_->codec : utf8, fields.cuecard);
    writeLineList(stored(cuecardTarget), encodeEntries(codec, fields.cuecard));
  }
}

}  // namespace markloom
