#pragma once
// Where the Preferences dialog's fields come from and go to: the settings
// snapshot and store, and the two list files. No widget here, so loading and
// saving are tested on their own.
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/settings/settings_snapshot.h"
#include "core/settings/settings_store.h"
#include "core/text/text_codec.h"
#include "ui/preferences/preferences_fields.h"

namespace markloom {

class PreferencesStorage {
 public:
  // Where the two list files are read, and where a changed list is written
  // (empty: over the file read). An installed program reads the shipped files
  // and writes the user's own copies.
  struct ListFiles {
    QString templates;  // Extensions/tagtmp.qdf
    QString cuecard;    // Extensions/tags.txt
    QString templatesTarget;
    QString cuecardTarget;
  };

  explicit PreferencesStorage(ListFiles files) : files_(std::move(files)) {}

  // Fills fields step by step: the snapshot's values, the programs from the
  // store itself (they are not all in the snapshot), the session switch and
  // the two list files (as UTF-8 text, whatever the files hold; the codec
  // each was read with is kept for saving). A step that fails leaves the rest of its part of
  // fields as it was and the next step still runs, so one bad value does not
  // leave every later field at a default that OK would write over the stored
  // value. The failures' messages come back in the order they happened.
  std::vector<std::string> load(PreferencesFields& fields, const SettingsSnapshot& snapshot, SettingsStore& store);

  // Writes the templates, the settings, the session switch and the cuecard
  // list, in that order. A list that is as it was loaded is not written, so
  // an untouched shipped file is never copied; a changed one is written in
  // the codec it was read with when that holds every character, otherwise
  // in UTF-8. A list file that cannot be written raises Error and stops the
  // writing there.
  void save(const PreferencesFields& fields, SettingsStore& store) const;

 private:
  // A list as it was loaded, with the codec of its file.
  template <class Entries>
  struct Loaded {
    Entries entries;
    TextCodec codec;
  };

  ListFiles files_;
  std::optional<Loaded<std::vector<TagTemplate>>> templates_;
  std::optional<Loaded<std::vector<std::string>>> cuecard_;
};

}  // namespace markloom
