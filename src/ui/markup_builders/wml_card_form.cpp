#include "ui/markup_builders/wml_card_form.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/markup_builders/dialog_kit.h"

namespace markloom {

using namespace builders;

TWMLCardForm::TWMLCardForm(QWidget* parent) : QDialog(parent) {
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

markup::WmlCardFields TWMLCardForm::fields() const { return {bytes(EditID->text()), bytes(EditTitle->text())}; }

void TWMLCardForm::setFields(const markup::WmlCardFields& f) {
  EditID->setText(qs(f.name));
  EditTitle->setText(qs(f.title));
}

}  // namespace markloom
