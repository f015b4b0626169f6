#pragma once
// Simple widgets bound to settings: a text box or an editable drop-down holds
// a setting's text, a check box a flag. A page binds its fields once and
// copies all of them to and from the values in one call.
#include <functional>
#include <vector>

#include "core/settings/preferences_values.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace markloom {

class SettingBindings {
 public:
  void bind(QLineEdit* field, const SettingRow& row);
  void bind(QComboBox* field, const SettingRow& row);
  void bind(QCheckBox* box, const FlagSetting& flag);
  // A check box for flag: its caption is the setting's label, its object name
  // "Flag " and the setting's name. Bound; parented by the layout it goes in.
  QCheckBox* flagBox(const FlagSetting& flag);

  // Shows each bound setting's text of values in its widget.
  void show(const PreferenceValues& values) const;
  // Sets each bound setting of values from its widget.
  void read(PreferenceValues& values) const;

 private:
  struct Binding {
    std::function<void(const PreferenceValues&)> show;
    std::function<void(PreferenceValues&)> read;
  };
  std::vector<Binding> bindings_;
};

}  // namespace markloom
