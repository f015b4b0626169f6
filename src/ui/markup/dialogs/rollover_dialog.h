#pragma once
// RolloverDialog, "Insert Image Rollover": the two pictures, the link and the
// image name of a rollover.
#include <QDialog>

#include "core/markup/tags/rollover_builder.h"

class QLineEdit;

namespace markloom {

class RolloverDialog : public QDialog {
  Q_OBJECT
 public:
  explicit RolloverDialog(QWidget* parent = nullptr);

  RolloverFields fields() const;
  void setFields(const RolloverFields& fields);

  // The picture chooser of both Browse buttons (no title); empty on Cancel.
  static QString choosePicture();

 public slots:
  void Button1Click();  // "&Browse": Original Image
  void Button2Click();  // "B&rowse": Replace With

 private:
  QLineEdit* EditOriginal;
  QLineEdit* EditNext;
  QLineEdit* EditHyperlink;
  QLineEdit* EditName;
};

}  // namespace markloom
