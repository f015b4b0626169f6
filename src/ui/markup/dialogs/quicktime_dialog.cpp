#include "ui/markup/dialogs/quicktime_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

using namespace dialogkit;

QuickTimeDialog::QuickTimeDialog(QWidget* parent)
    : MovieDialog(parent, "TQuickTimeForm", "Insert QuickTime Movie", {319, 149}, &QuickTimeDialog::chooseMovie) {
  targetEdit_ = namedEdit(this, "Edit978");
  linkEdit_ = namedEdit(this, "Edit974");
  addMovieRows({{"Target:", targetEdit_}, {"Link To:", linkEdit_}});
  autoPlayBox_ = namedCheck(this, "CheckBox1", "AutoPlay");
  loopBox_ = namedCheck(this, "CheckBox2", "Loop");
  controlsBox_ = namedCheck(this, "CheckBox3", "Controls");
  auto* checks = new QHBoxLayout;
  checks->addWidget(autoPlayBox_);
  checks->addWidget(loopBox_);
  checks->addWidget(controlsBox_);
  layout_->addLayout(checks);
  addOkCancel(this, layout_);
  setFields({});
  dialogkit::fitToContent(this);
}

tags::QuickTimeFields QuickTimeDialog::fields() const {
  return {toUtf8(movieEdit_->text()),  toUtf8(heightEdit_->text()), toUtf8(widthEdit_->text()),
          toUtf8(targetEdit_->text()), toUtf8(linkEdit_->text()),   autoPlayBox_->isChecked(),
          loopBox_->isChecked(),       controlsBox_->isChecked()};
}

void QuickTimeDialog::setFields(const tags::QuickTimeFields& f) {
  movieEdit_->setText(fromUtf8(f.movie));
  heightEdit_->setText(fromUtf8(f.height));
  widthEdit_->setText(fromUtf8(f.width));
  targetEdit_->setText(fromUtf8(f.target));
  linkEdit_->setText(fromUtf8(f.linkTo));
  autoPlayBox_->setChecked(f.autoPlay);
  loopBox_->setChecked(f.loop);
  controlsBox_->setChecked(f.controls);
}

QString QuickTimeDialog::chooseMovie() {
  return Prompter::instance().openFileName("Open a QuickTime Movie", QString(),
                                           "QuickTime Movies (*.mov);;" + kAllFilesFilter);
}

}  // namespace markloom
