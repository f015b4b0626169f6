#include "ui/markup/dialogs/wml_card_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace builders;

WmlCardDialog::WmlCardDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TWMLCardForm");
  setWindowTitle("Insert WML Card");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  EditID = new QLineEdit(this);
  EditID->setObjectName("EditID");
  EditTitle = new QLineEdit(this);
  EditTitle->setObjectName("EditTitle");
  form->addRow("Name:", EditID);
  form->addRow("Title:", EditTitle);
  layout->addLayout(form);
  addOkCancel(this, layout);
}

markup::WmlCardFields WmlCardDialog::fields() const { return {bytes(EditID->text()), bytes(EditTitle->text())}; }

void WmlCardDialog::setFields(const markup::WmlCardFields& f) {
  EditID->setText(qs(f.name));
  EditTitle->setText(qs(f.title));
}

}  // namespace markloom
