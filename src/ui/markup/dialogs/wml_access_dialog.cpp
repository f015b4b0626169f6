#include "ui/markup/dialogs/wml_access_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace builders;

WmlAccessDialog::WmlAccessDialog(QWidget* parent) : QDialog(parent) {
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

markup::WmlAccessFields WmlAccessDialog::fields() const {
  return {bytes(EditDomain->text()), bytes(EditPath->text())};
}

void WmlAccessDialog::setFields(const markup::WmlAccessFields& f) {
  EditDomain->setText(qs(f.domain));
  EditPath->setText(qs(f.path));
}

}  // namespace markloom
