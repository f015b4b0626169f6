#pragma once
// Preferences ▸ Directories: the folder the code controller starts in.
#include "ui/preferences/preferences_page.h"

namespace markloom {

class DirectoriesPage : public PreferencesPage {
  Q_OBJECT
 public:
  explicit DirectoriesPage(QWidget* parent = nullptr);
};

}  // namespace markloom
