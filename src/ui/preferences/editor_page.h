#pragma once
// Preferences ▸ Editor: the editor's option flags, tab stops, keymapping,
// block indent, timed backup and reopening the last session.
#include "ui/preferences/preferences_page.h"

class QCheckBox;
class QComboBox;

namespace markloom {

class EditorPage : public PreferencesPage {
  Q_OBJECT
 public:
  explicit EditorPage(QWidget* parent = nullptr);

  void setFields(const PreferencesFields& fields) override;
  void fields(PreferencesFields& fields) const override;

 private:
  QCheckBox* timedBackup_ = nullptr;
  QComboBox* backupInterval_ = nullptr;
  QCheckBox* reopenSession_ = nullptr;
};

}  // namespace markloom
