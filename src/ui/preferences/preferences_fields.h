#pragma once
// Everything the Preferences dialog edits, as one value: the settings OK
// writes, the tag templates, the HTML cuecard list and the session switch.
// Loading fills it from the store and the two list files, the pages show and
// read it, and saving writes it back; the widgets hold nothing else.
#include <string>
#include <vector>

#include "core/document/tag_template_file.h"
#include "core/settings/preferences_values.h"

namespace markloom {

struct PreferencesFields {
  // Every setting the pages edit, as text in the store's 8-bit encoding.
  PreferenceValues settings;
  // Extensions/tagtmp.qdf, in list order.
  std::vector<TagTemplate> templates;
  // Extensions/tags.txt: the tags the HTML cuecard offers, one per entry.
  std::vector<std::string> cuecard;
  // Whether the files of the last clean exit come back at start.
  bool reopenSession = false;

  bool operator==(const PreferencesFields&) const = default;
};

}  // namespace markloom
