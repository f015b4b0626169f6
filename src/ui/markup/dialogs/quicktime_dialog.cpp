#include "ui/markup/dialogs/quicktime_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

using namespace dialogkit;

QuickTimeDialog::QuickTimeDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TQuickTimeForm");
  setWindowTitle("Insert QuickTime Movie");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  resize(319, 149);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  movieEdit_ = namedEdit(this, "Edit971");
  heightEdit_ = namedEdit(this, "Edit972");
  widthEdit_ = namedEdit(this, "Edit973");
  targetEdit_ = namedEdit(this, "Edit978");
  linkEdit_ = namedEdit(this, "Edit974");
  auto* browse = browseButton(this, "Button3");
  form->addRow("Movie:", fieldWithButton(movieEdit_, browse));
  form->addRow("Height:", heightEdit_);
  form->addRow("Width:", widthEdit_);
  form->addRow("Target:", targetEdit_);
  form->addRow("Link To:", linkEdit_);
  autoPlayBox_ = namedCheck(this, "CheckBox1", "AutoPlay");
  loopBox_ = namedCheck(this, "CheckBox2", "Loop");
  controlsBox_ = namedCheck(this, "CheckBox3", "Controls");
  auto* checks = new QHBoxLayout;
  checks->addWidget(autoPlayBox_);
  checks->addWidget(loopBox_);
  checks->addWidget(controlsBox_);
  layout->addLayout(checks);
  addOkCancel(this, layout);
  connect(browse, &QPushButton::clicked, this, &QuickTimeDialog::browseMovie);
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

void QuickTimeDialog::browseMovie() {
  const QString path = chooseMovie();
  if (!path.isEmpty()) movieEdit_->setText("file://" + path);
}

}  // namespace markloom
