#pragma once
// ImageDialog, "Insert Image": the picture and the attributes of an <img> tag,
// with a preview of the chosen picture.
#include <QDialog>

#include "core/markup/tags/image_builder.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace markloom {

class UpDownEdit;

class ImageDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kPreviewSize = 185;

  explicit ImageDialog(QWidget* parent = nullptr);

  ImageFields fields() const;
  void setFields(const ImageFields& fields);

  // Shows the picture and takes its natural size into Height and Width.
  // Raises an Error (the field keeping the path) when it cannot be read.
  void loadPicture(const QString& path);

 public slots:
  void Button3Click();  // "&Browse"

 private:
  QLineEdit* EditSrc;
  QLineEdit* EditHeight;
  QLineEdit* EditWidth;
  QLineEdit* EditAltText;
  QLineEdit* EditLowRes;
  QLineEdit* EditStyle;
  UpDownEdit* EditBorder;
  QComboBox* EditAlign;
  QLineEdit* EditName;
  QLabel* Image1;  // the preview
};

}  // namespace markloom
