#include "ui/markup/dialogs/style_sheet_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/prompter.h"
#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace builders;

StyleSheetDialog::StyleSheetDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TStylForm");
  setWindowTitle("Reference External Stylesheet...");
  resize(291, 79);
  auto* layout = new QVBoxLayout(this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  auto* browse = new QToolButton(this);
  browse->setObjectName("SpeedButton1");
  browse->setText("...");
  browse->setToolTip("Choose a style sheet");
  auto* row = new QHBoxLayout;
  row->addWidget(Edit1, 1);
  row->addWidget(browse);
  auto* form = new QFormLayout;
  form->addRow("File Name:", row);
  layout->addLayout(form);
  addOkCancel(this, layout);
  connect(browse, &QToolButton::clicked, this, &StyleSheetDialog::SpeedButton1Click);
}

std::string StyleSheetDialog::fileName() const { return bytes(Edit1->text()); }
void StyleSheetDialog::setFileName(const std::string& fileName) { Edit1->setText(qs(fileName)); }

void StyleSheetDialog::SpeedButton1Click() {
  const QString path =
      Prompter::instance().openFileName(windowTitle(), QString(), "Cascading Style Sheets (*.css)");
  if (!path.isEmpty()) Edit1->setText(path);
}

}  // namespace markloom
