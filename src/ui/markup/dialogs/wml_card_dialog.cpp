#include "ui/markup/dialogs/wml_card_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace dialogkit;

WmlCardDialog::WmlCardDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TWMLCardForm");
  setWindowTitle("Insert WML Card");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  nameEdit_ = namedEdit(this, "EditID");
  titleEdit_ = namedEdit(this, "EditTitle");
  form->addRow("Name:", nameEdit_);
  form->addRow("Title:", titleEdit_);
  layout->addLayout(form);
  addOkCancel(this, layout);
  dialogkit::fitToContent(this);
}

tags::WmlCardFields WmlCardDialog::fields() const { return {toUtf8(nameEdit_->text()), toUtf8(titleEdit_->text())}; }

void WmlCardDialog::setFields(const tags::WmlCardFields& f) {
  nameEdit_->setText(fromUtf8(f.name));
  titleEdit_->setText(fromUtf8(f.title));
}

}  // namespace markloom
