#pragma once
// "Insert Image": the picture and the attributes of an <img> tag, with a
// preview of the chosen picture.
#include <QDialog>

#include "core/markup/tags/image_builder.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace markloom {

class UpDownEdit;

class ImageDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kPreviewSize = 185;

  explicit ImageDialog(QWidget* parent = nullptr);

  tags::ImageFields fields() const;
  void setFields(const tags::ImageFields& fields);

  // Shows the picture and takes its natural size into Height and Width.
  // Raises an Error (the field keeping the path) when it cannot be read.
  void loadPicture(const QString& path);

 public slots:
  void browsePicture();

 private:
  QLineEdit* sourceEdit_;
  QLineEdit* heightEdit_;
  QLineEdit* widthEdit_;
  QLineEdit* altTextEdit_;
  QLineEdit* lowResEdit_;
  QLineEdit* styleEdit_;
  UpDownEdit* borderEdit_;
  QComboBox* alignmentBox_;
  QLineEdit* nameEdit_;
  QLabel* preview_;
};

}  // namespace markloom
