#include "ui/markup/dialogs/wml_go_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace dialogkit;

WmlGoDialog::WmlGoDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TWMLGoForm");
  setWindowTitle("WML Go Tag...");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  addressEdit_ = namedEdit(this, "EditAddress");
  sendRefererBox_ = namedCheck(this, "CheckBox1", "Send Referer Information");
  methodBox_ = new QComboBox(this);
  methodBox_->setObjectName("EditMethod");
  methodBox_->setEditable(true);
  methodBox_->setInsertPolicy(QComboBox::NoInsert);
  methodBox_->addItems(fromUtf8(tags::wmlGoMethods()));
  encodingEdit_ = namedEdit(this, "EditEncType");
  nameEdit_ = namedEdit(this, "EditName");
  classEdit_ = namedEdit(this, "EditClass");
  form->addRow("Address:", addressEdit_);
  form->addRow(QString(), sendRefererBox_);
  form->addRow("Method:", methodBox_);
  form->addRow("Encoding Type:", encodingEdit_);
  form->addRow("Name:", nameEdit_);
  form->addRow("Class:", classEdit_);
  layout->addLayout(form);
  addOkCancel(this, layout);
  setFields({});
  dialogkit::fitToContent(this);
}

tags::WmlGoFields WmlGoDialog::fields() const {
  return {toUtf8(addressEdit_->text()),  sendRefererBox_->isChecked(), toUtf8(methodBox_->currentText()),
          toUtf8(encodingEdit_->text()), toUtf8(nameEdit_->text()),    toUtf8(classEdit_->text())};
}

void WmlGoDialog::setFields(const tags::WmlGoFields& f) {
  addressEdit_->setText(fromUtf8(f.address));
  sendRefererBox_->setChecked(f.sendReferer);
  methodBox_->setEditText(fromUtf8(f.method));
  encodingEdit_->setText(fromUtf8(f.encType));
  nameEdit_->setText(fromUtf8(f.name));
  classEdit_->setText(fromUtf8(f.className));
}

}  // namespace markloom
