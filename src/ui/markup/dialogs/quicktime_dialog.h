#pragma once
// "Insert QuickTime Movie": the movie, its size, link and play options.
#include "core/markup/tags/quicktime_builder.h"
#include "ui/markup/dialogs/movie_dialog.h"

class QCheckBox;

namespace markloom {

class QuickTimeDialog : public MovieDialog {
  Q_OBJECT
 public:
  explicit QuickTimeDialog(QWidget* parent = nullptr);
  tags::QuickTimeFields fields() const;
  void setFields(const tags::QuickTimeFields& fields);

  // The movie chooser; the chosen full path, empty when cancelled.
  static QString chooseMovie();

 private:
  QLineEdit* targetEdit_;
  QLineEdit* linkEdit_;
  QCheckBox* autoPlayBox_;
  QCheckBox* loopBox_;
  QCheckBox* controlsBox_;
};

}  // namespace markloom
