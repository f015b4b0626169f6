#pragma once
// Preferences ▸ Programs: the six preview browsers with their menu titles,
// the image editor and the visual editor, each with a file chooser; AutoFind
// fills them from the programs installed.
#include <array>

#include "ui/preferences/preferences_page.h"

namespace markloom {

class ProgramsPage : public PreferencesPage {
  Q_OBJECT
 public:
  explicit ProgramsPage(QWidget* parent = nullptr);

  // Browser n (1 to 6) and its title.
  QLineEdit* browserField(int n) const { return browsers_.at(static_cast<std::size_t>(n - 1)); }
  QLineEdit* browserTitleField(int n) const { return browserTitles_.at(static_cast<std::size_t>(n - 1)); }

 public slots:
  void autoFindPrograms();

 private:
  QLayout* programRow(const char* name, QLineEdit*& field);

  std::array<QLineEdit*, 6> browsers_{};
  std::array<QLineEdit*, 6> browserTitles_{};
  QLineEdit* imageEditor_ = nullptr;
  QLineEdit* visualEditor_ = nullptr;
};

}  // namespace markloom
