#include "ui/markup/dialogs/style_sheet_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

using namespace dialogkit;

StyleSheetDialog::StyleSheetDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TStylForm");
  setWindowTitle("Reference External Stylesheet...");
  resize(291, 79);
  auto* layout = new QVBoxLayout(this);
  fileNameEdit_ = namedEdit(this, "Edit1");
  auto* browse = new QToolButton(this);
  browse->setObjectName("SpeedButton1");
  browse->setText("...");
  browse->setToolTip("Choose a style sheet");
  auto* row = new QHBoxLayout;
  row->addWidget(fileNameEdit_, 1);
  row->addWidget(browse);
  auto* form = new QFormLayout;
  form->addRow("File Name:", row);
  layout->addLayout(form);
  addOkCancel(this, layout);
  connect(browse, &QToolButton::clicked, this, &StyleSheetDialog::browseStyleSheet);
  dialogkit::fitToContent(this);
}

tags::StyleSheetFields StyleSheetDialog::fields() const { return {toUtf8(fileNameEdit_->text())}; }
void StyleSheetDialog::setFields(const tags::StyleSheetFields& f) { fileNameEdit_->setText(fromUtf8(f.fileName)); }

void StyleSheetDialog::browseStyleSheet() {
  const QString path = Prompter::instance().openFileName(windowTitle(), QString(), "Cascading Style Sheets (*.css)");
  if (!path.isEmpty()) fileNameEdit_->setText(path);
}

}  // namespace markloom
