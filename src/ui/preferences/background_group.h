#pragma once
// One background on the Display page: its style (normal or a gradient) and
// its primary and secondary colours. The secondary colour is only editable
// for a gradient.
#include <QGroupBox>

#include "core/settings/preferences_values.h"

class QComboBox;

namespace markloom {

class BackgroundGroup : public QGroupBox {
  Q_OBJECT
 public:
  struct Settings {
    const TextSetting& style;
    const ColourSetting& primary;
    const ColourSetting& secondary;
  };

  // The boxes are named prefix + "Style", "Primary" and "Secondary".
  BackgroundGroup(const QString& title, const QString& prefix, const Settings& settings, QWidget* parent = nullptr);

  // A style row left out of values (one the box could not name) leaves the
  // style box as it is.
  void setValues(const PreferenceValues& values);
  // A style the box cannot name is left out, so the stored one stays.
  void values(PreferenceValues& values) const;

 private:
  Settings settings_;
  QComboBox* style_ = nullptr;
  QComboBox* primary_ = nullptr;
  QComboBox* secondary_ = nullptr;
};

}  // namespace markloom
