#pragma once
// "Insert RealVideo": the clip, its size and whether it plays at once.
#include <QDialog>

#include "core/markup/tags/realvideo_builder.h"

class QCheckBox;
class QLineEdit;

namespace markloom {

class RealVideoDialog : public QDialog {
  Q_OBJECT
 public:
  explicit RealVideoDialog(QWidget* parent = nullptr);
  markup::RealVideoFields fields() const;
  void setFields(const markup::RealVideoFields& fields);

  // The clip chooser; the chosen full path, empty when cancelled.
  static QString chooseClip();

 public slots:
  void Button3Click();  // Browse: "file://" + the chosen path into Movie

 private:
  QLineEdit* Edit971;
  QLineEdit* Edit972;
  QLineEdit* Edit973;
  QCheckBox* CheckBox1;
};

}  // namespace markloom
