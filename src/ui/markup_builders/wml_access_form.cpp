#include "ui/markup_builders/wml_access_form.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/markup_builders/dialog_kit.h"

namespace markloom {

using namespace builders;

TWMLAccessForm::TWMLAccessForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TWMLAccessForm");
  setWindowTitle("WML Access Tag...");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  EditDomain = new QLineEdit(this);
  EditDomain->setObjectName("EditDomain");
  EditPath = new QLineEdit(this);
  EditPath->setObjectName("EditPath");
  form->addRow("Domain:", EditDomain);
  form->addRow("Path:", EditPath);
  layout->addLayout(form);
  addOkCancel(this, layout);
}

markup::WmlAccessFields TWMLAccessForm::fields() const {
  return {bytes(EditDomain->text()), bytes(EditPath->text())};
}

void TWMLAccessForm::setFields(const markup::WmlAccessFields& f) {
  EditDomain->setText(qs(f.domain));
  EditPath->setText(qs(f.path));
}

}  // namespace markloom
