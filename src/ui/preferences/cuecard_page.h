#pragma once
// Preferences ▸ Cuecard: the HTML cuecard list and the cuecard switches.
#include "ui/preferences/preferences_page.h"

namespace markloom {

class CuecardEditor;

class CuecardPage : public PreferencesPage {
  Q_OBJECT
 public:
  explicit CuecardPage(QWidget* parent = nullptr);

  void setFields(const PreferencesFields& fields) override;
  void fields(PreferencesFields& fields) const override;

 private:
  CuecardEditor* editor_ = nullptr;
};

}  // namespace markloom
