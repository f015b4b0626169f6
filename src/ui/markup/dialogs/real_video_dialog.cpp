#include "ui/markup/dialogs/real_video_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/prompter.h"
#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace builders;

RealVideoDialog::RealVideoDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TRealForm");
  setWindowTitle("Insert RealVideo");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  resize(312, 109);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  Edit971 = new QLineEdit(this);
  Edit971->setObjectName("Edit971");
  Edit972 = new QLineEdit(this);
  Edit972->setObjectName("Edit972");
  Edit973 = new QLineEdit(this);
  Edit973->setObjectName("Edit973");
  auto* browse = new QPushButton("&Browse...", this);
  browse->setObjectName("Button3");
  auto* movieRow = new QHBoxLayout;
  movieRow->addWidget(Edit971, 1);
  movieRow->addWidget(browse);
  form->addRow("Movie:", movieRow);
  form->addRow("Height:", Edit972);
  form->addRow("Width:", Edit973);
  CheckBox1 = new QCheckBox("AutoPlay", this);
  CheckBox1->setObjectName("CheckBox1");
  layout->addWidget(CheckBox1);
  addOkCancel(this, layout);
  connect(browse, &QPushButton::clicked, this, &RealVideoDialog::Button3Click);
  setFields({});
}

markup::RealVideoFields RealVideoDialog::fields() const {
  return {bytes(Edit971->text()), bytes(Edit972->text()), bytes(Edit973->text()), CheckBox1->isChecked()};
}

void RealVideoDialog::setFields(const markup::RealVideoFields& f) {
  Edit971->setText(qs(f.movie));
  Edit972->setText(qs(f.height));
  Edit973->setText(qs(f.width));
  CheckBox1->setChecked(f.autoPlay);
}

QString RealVideoDialog::chooseClip() {
  return Prompter::instance().openFileName("Open a RealVideo Clip", QString(),
                                           "RealVideo (*.rpm);;" + kAllFilesFilter);
}

void RealVideoDialog::Button3Click() {
  const QString path = chooseClip();
  if (!path.isEmpty()) Edit971->setText("file://" + path);
}

}  // namespace markloom
