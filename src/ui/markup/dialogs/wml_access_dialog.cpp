#include "ui/markup/dialogs/wml_access_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace dialogkit;

WmlAccessDialog::WmlAccessDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TWMLAccessForm");
  setWindowTitle("WML Access Tag...");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  domainEdit_ = namedEdit(this, "EditDomain");
  pathEdit_ = namedEdit(this, "EditPath");
  form->addRow("Domain:", domainEdit_);
  form->addRow("Path:", pathEdit_);
  layout->addLayout(form);
  addOkCancel(this, layout);
  dialogkit::fitToContent(this);
}

tags::WmlAccessFields WmlAccessDialog::fields() const {
  return {toUtf8(domainEdit_->text()), toUtf8(pathEdit_->text())};
}

void WmlAccessDialog::setFields(const tags::WmlAccessFields& f) {
  domainEdit_->setText(fromUtf8(f.domain));
  pathEdit_->setText(fromUtf8(f.path));
}

}  // namespace markloom
