#pragma once
// Preferences ▸ Spell Check: what the spelling and grammar checks ignore or
// look for, and the custom dictionary.
#include "ui/preferences/preferences_page.h"

namespace markloom {

class SpellCheckPage : public PreferencesPage {
  Q_OBJECT
 public:
  explicit SpellCheckPage(QWidget* parent = nullptr);
};

}  // namespace markloom
