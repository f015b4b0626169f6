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
  markup::QuickTimeFields fields() const;
  void setFields(const markup::QuickTimeFields& fields);

  // The movie chooser; the chosen full path, empty when cancelled.
  static QString chooseMovie();

 public slots:
  void Button3Click();  // Browse: "file://" + the chosen path into Movie

 private:
  QLineEdit* Edit971;
  QLineEdit* Edit972;
  QLineEdit* Edit973;
  QLineEdit* Edit978;
  QLineEdit* Edit974;
  QCheckBox* CheckBox1;
  QCheckBox* CheckBox2;
  QCheckBox* CheckBox3;
};

}  // namespace markloom
