#include "ui/markup/dialogs/real_video_dialog.h"

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

RealVideoDialog::RealVideoDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TRealForm");
  setWindowTitle("Insert RealVideo");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  resize(312, 109);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  movieEdit_ = namedEdit(this, "Edit971");
  heightEdit_ = namedEdit(this, "Edit972");
  widthEdit_ = namedEdit(this, "Edit973");
  auto* browse = browseButton(this, "Button3");
  form->addRow("Movie:", fieldWithButton(movieEdit_, browse));
  form->addRow("Height:", heightEdit_);
  form->addRow("Width:", widthEdit_);
  autoPlayBox_ = namedCheck(this, "CheckBox1", "AutoPlay");
  layout->addWidget(autoPlayBox_);
  addOkCancel(this, layout);
  connect(browse, &QPushButton::clicked, this, &RealVideoDialog::browseClip);
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

void RealVideoDialog::browseClip() {
  const QString path = chooseClip();
  if (!path.isEmpty()) movieEdit_->setText("file://" + path);
}

}  // namespace markloom
