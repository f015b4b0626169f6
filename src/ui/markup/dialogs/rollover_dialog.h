#pragma once
// "Insert Image Rollover": the two pictures, the link and the image name of a
// rollover.
#include <QDialog>

#include "core/markup/tags/rollover_builder.h"

class QLineEdit;

namespace markloom {

class RolloverDialog : public QDialog {
  Q_OBJECT
 public:
  explicit RolloverDialog(QWidget* parent = nullptr);

  tags::RolloverFields fields() const;
  void setFields(const tags::RolloverFields& fields);

  // The picture chooser of both Browse buttons (no title); empty on Cancel.
  static QString choosePicture();

 public slots:
  void browseOriginal();
  void browseRollover();

 private:
  QLineEdit* originalEdit_;
  QLineEdit* rolloverEdit_;
  QLineEdit* hyperlinkEdit_;
  QLineEdit* nameEdit_;
};

}  // namespace markloom
