#pragma once
// "Insert RealVideo": the clip, its size and whether it plays at once.
#include <QDialog>

#include "core/markup/tags/real_video_builder.h"

class QCheckBox;
class QLineEdit;

namespace markloom {

class RealVideoDialog : public QDialog {
  Q_OBJECT
 public:
  explicit RealVideoDialog(QWidget* parent = nullptr);
  tags::RealVideoFields fields() const;
  void setFields(const tags::RealVideoFields& fields);

  // The clip chooser; the chosen full path, empty when cancelled.
  static QString chooseClip();

 public slots:
  void browseClip();  // "file://" and the chosen path into Movie

 private:
  QLineEdit* movieEdit_;
  QLineEdit* heightEdit_;
  QLineEdit* widthEdit_;
  QCheckBox* autoPlayBox_;
};

}  // namespace markloom
