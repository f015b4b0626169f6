#include "ui/markup/dialogs/real_video_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

using namespace dialogkit;

RealVideoDialog::RealVideoDialog(QWidget* parent)
    : MovieDialog(parent, "TRealForm", "Insert RealVideo", {312, 109}, &RealVideoDialog::chooseClip) {
  addMovieRows();
  autoPlayBox_ = namedCheck(this, "CheckBox1", "AutoPlay");
  layout_->addWidget(autoPlayBox_);
  addOkCancel(this, layout_);
  setFields({});
  dialogkit::fitToContent(this);
}

tags::RealVideoFields RealVideoDialog::fields() const {
  return {toUtf8(movieEdit_->text()), toUtf8(heightEdit_->text()), toUtf8(widthEdit_->text()),
          autoPlayBox_->isChecked()};
}

void RealVideoDialog::setFields(const tags::RealVideoFields& f) {
  movieEdit_->setText(fromUtf8(f.movie));
  heightEdit_->setText(fromUtf8(f.height));
  widthEdit_->setText(fromUtf8(f.width));
  autoPlayBox_->setChecked(f.autoPlay);
}

QString RealVideoDialog::chooseClip() {
  return Prompter::instance().openFileName("Open a RealVideo Clip", QString(), "RealVideo (*.rpm);;" + kAllFilesFilter);
}

}  // namespace markloom
