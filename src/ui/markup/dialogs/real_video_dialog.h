#pragma once
// "Insert RealVideo": the clip, its size and whether it plays at once.
#include "core/markup/tags/real_video_builder.h"
#include "ui/markup/dialogs/movie_dialog.h"

class QCheckBox;

namespace markloom {

class RealVideoDialog : public MovieDialog {
  Q_OBJECT
 public:
  explicit RealVideoDialog(QWidget* parent = nullptr);
  tags::RealVideoFields fields() const;
  void setFields(const tags::RealVideoFields& fields);

  // The clip chooser; the chosen full path, empty when cancelled.
  static QString chooseClip();

 private:
  QCheckBox* autoPlayBox_;
};

}  // namespace markloom
