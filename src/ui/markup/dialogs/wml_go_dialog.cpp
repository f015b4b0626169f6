#include "ui/markup/dialogs/wml_go_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace builders;

WmlGoDialog::WmlGoDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TWMLGoForm");
  setWindowTitle("WML Go Tag...");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  auto line = [this](const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    return edit;
  };
  EditAddress = line("EditAddress");
  CheckBox1 = new QCheckBox("Send Referer Information", this);
  CheckBox1->setObjectName("CheckBox1");
  EditMethod = new QComboBox(this);
  EditMethod->setObjectName("EditMethod");
  EditMethod->setEditable(true);
  EditMethod->setInsertPolicy(QComboBox::NoInsert);
  EditMethod->addItems(qsList(markup::wmlGoMethods()));
  EditEncType = line("EditEncType");
  EditName = line("EditName");
  EditClass = line("EditClass");
  form->addRow("Address:", EditAddress);
  form->addRow(QString(), CheckBox1);
  form->addRow("Method:", EditMethod);
  form->addRow("Encoding Type:", EditEncType);
  form->addRow("Name:", EditName);
  form->addRow("Class:", EditClass);
  layout->addLayout(form);
  addOkCancel(this, layout);
  setFields({});
}

markup::WmlGoFields WmlGoDialog::fields() const {
  return {bytes(EditAddress->text()), CheckBox1->isChecked(),  bytes(EditMethod->currentText()),
          bytes(EditEncType->text()), bytes(EditName->text()), bytes(EditClass->text())};
}

void WmlGoDialog::setFields(const markup::WmlGoFields& f) {
  EditAddress->setText(qs(f.address));
  CheckBox1->setChecked(f.sendReferer);
  EditMethod->setEditText(qs(f.method));
  EditEncType->setText(qs(f.encType));
  EditName->setText(qs(f.name));
  EditClass->setText(qs(f.className));
}

}  // namespace markloom
