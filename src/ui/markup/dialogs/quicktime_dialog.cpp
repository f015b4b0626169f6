#include "ui/markup/dialogs/quicktime_dialog.h"

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

QuickTimeDialog::QuickTimeDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TQuickTimeForm");
  setWindowTitle("Insert QuickTime Movie");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  resize(319, 149);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  auto line = [this](const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    return edit;
  };
  Edit971 = line("Edit971");
  Edit972 = line("Edit972");
  Edit973 = line("Edit973");
  Edit978 = line("Edit978");
  Edit974 = line("Edit974");
  auto* browse = new QPushButton("&Browse...", this);
  browse->setObjectName("Button3");
  auto* movieRow = new QHBoxLayout;
  movieRow->addWidget(Edit971, 1);
  movieRow->addWidget(browse);
  form->addRow("Movie:", movieRow);
  form->addRow("Height:", Edit972);
  form->addRow("Width:", Edit973);
  form->addRow("Target:", Edit978);
  form->addRow("Link To:", Edit974);
  auto box = [this](const char* name, const char* caption) {
    auto* check = new QCheckBox(caption, this);
    check->setObjectName(name);
    return check;
  };
  CheckBox1 = box("CheckBox1", "AutoPlay");
  CheckBox2 = box("CheckBox2", "Loop");
  CheckBox3 = box("CheckBox3", "Controls");
  auto* checks = new QHBoxLayout;
  checks->addWidget(CheckBox1);
  checks->addWidget(CheckBox2);
  checks->addWidget(CheckBox3);
  layout->addLayout(checks);
  addOkCancel(this, layout);
  connect(browse, &QPushButton::clicked, this, &QuickTimeDialog::Button3Click);
  setFields({});
}

markup::QuickTimeFields QuickTimeDialog::fields() const {
  return {bytes(Edit971->text()), bytes(Edit972->text()), bytes(Edit973->text()), bytes(Edit978->text()),
          bytes(Edit974->text()), CheckBox1->isChecked(), CheckBox2->isChecked(), CheckBox3->isChecked()};
}

void QuickTimeDialog::setFields(const markup::QuickTimeFields& f) {
  Edit971->setText(qs(f.movie));
  Edit972->setText(qs(f.height));
  Edit973->setText(qs(f.width));
  Edit978->setText(qs(f.target));
  Edit974->setText(qs(f.linkTo));
  CheckBox1->setChecked(f.autoPlay);
  CheckBox2->setChecked(f.loop);
  CheckBox3->setChecked(f.controls);
}

QString QuickTimeDialog::chooseMovie() {
  return Prompter::instance().openFileName("Open a QuickTime Movie", QString(),
                                           "QuickTime Movies (*.mov);;" + kAllFilesFilter);
}

void QuickTimeDialog::Button3Click() {
  const QString path = chooseMovie();
  if (!path.isEmpty()) Edit971->setText("file://" + path);
}

}  // namespace markloom
