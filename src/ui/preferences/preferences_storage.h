#pragma once
// Where the Preferences dialog's fields come from and go to: the settings
// snapshot and store, and the two list files. No widget here, so loading and
// saving are tested on their own.
#include <QString>
#include <string>
#include <vector>

#include "core/settings/settings_snapshot.h"
#include "core/settings/settings_store.h"
#include "ui/preferences/preferences_fields.h"

namespace markloom {

class PreferencesStorage {
 public:
  // Where the two list files live.
  struct ListFiles {
    QString templates;  // Extensions/tagtmp.qdf
    QString cuecard;    // Extensions/tags.txt
  };

  explicit PreferencesStorage(ListFiles files) : files_(std::move(files)) {}

  // Fills fields step by step: the snapshot's values, the programs from the
  // store itself (they are not all in the snapshot), the session switch and
  // the two list files. A step that fails leaves the rest of its part of
  // fields as it was and the next step still runs, so one bad value does not
  // leave every later field at a default that OK would write over the stored
  // value. The failures' messages come back in the order they happened.
  std::vector<std::string> load(PreferencesFields& fields, const SettingsSnapshot& snapshot,
                                SettingsStore& store) const;

  // Writes the templates, the settings, the session switch and the cuecard
  // list, in that order. A list file that cannot be written raises Error and
  // stops the writing there.
  void save(const PreferencesFields& fields, SettingsStore& store) const;

 private:
  ListFiles files_;
};

}  // namespace markloom
