#pragma once
// Preferences ▸ Tidy: tag names added to the clean-up tool's configuration.
#include "ui/preferences/preferences_page.h"

namespace markloom {

class TidyPage : public PreferencesPage {
  Q_OBJECT
 public:
  explicit TidyPage(QWidget* parent = nullptr);
};

}  // namespace markloom
