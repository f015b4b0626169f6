#pragma once
// "Insert QuickTime Movie": the movie, its size, link and play options.
#include <QDialog>

#include "core/markup/tags/quicktime_builder.h"

class QCheckBox;
class QLineEdit;

namespace markloom {

class QuickTimeDialog : public QDialog {
  Q_OBJECT
 public:
  explicit QuickTimeDialog(QWidget* parent = nullptr);
  tags::QuickTimeFields fields() const;
  void setFields(const tags::QuickTimeFields& fields);

  // The movie chooser; the chosen full path, empty when cancelled.
  static QString chooseMovie();

 public slots:
  void browseMovie();  // "file://" and the chosen path into Movie

 private:
  QLineEdit* movieEdit_;
  QLineEdit* heightEdit_;
  QLineEdit* widthEdit_;
  QLineEdit* targetEdit_;
  QLineEdit* linkEdit_;
  QCheckBox* autoPlayBox_;
  QCheckBox* loopBox_;
  QCheckBox* controlsBox_;
};

}  // namespace markloom
