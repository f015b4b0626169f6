#pragma once
// Preferences ▸ Display: the editor's and the gutter's backgrounds.
#include "ui/preferences/preferences_page.h"

namespace markloom {

class BackgroundGroup;

class DisplayPage : public PreferencesPage {
  Q_OBJECT
 public:
  explicit DisplayPage(QWidget* parent = nullptr);

  void setFields(const PreferencesFields& fields) override;
  void fields(PreferencesFields& fields) const override;

 private:
  BackgroundGroup* editor_ = nullptr;
  BackgroundGroup* gutter_ = nullptr;
};

}  // namespace markloom
