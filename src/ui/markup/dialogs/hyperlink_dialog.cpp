#include "ui/markup/dialogs/hyperlink_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

using namespace dialogkit;

HyperlinkDialog::HyperlinkDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("LinkForm");
  setWindowTitle("Insert a Hyperlink...");
  resize(303, 135);

  // Prefixes the user completes.
  addressBox_ = namedCombo(this, "EditLink",
                           {"file://", "ftp://", "gopher://", "http://", "mailto:", "news:", "newsrc:", "nntp://",
                            "telnet://", "view-source://", "wais://"});
  targetBox_ = namedCombo(this, "EditTarget", {"_blank", "_parent", "_self", "_top"});
  styleEdit_ = namedEdit(this, "EditStyle");
  nameEdit_ = namedEdit(this, "EditName");
  classEdit_ = namedEdit(this, "EditClass");

  auto* grid = new QGridLayout;
  addLabelled(grid, 0, "Link To:", addressBox_);
  auto* browse = browseButton(this, "Button1");
  grid->addWidget(browse, 0, 2);
  addLabelled(grid, 1, "Target:", targetBox_);
  addLabelled(grid, 2, "Style:", styleEdit_);
  addLabelled(grid, 3, "Name:", nameEdit_);
  addLabelled(grid, 4, "Class:", classEdit_);
  connect(browse, &QPushButton::clicked, this, &HyperlinkDialog::browseFile);

  layOutFieldsAndButtons(this, grid);
  dialogkit::fitToContent(this);
}

tags::LinkFields HyperlinkDialog::fields() const {
  tags::LinkFields f;
  f.linkTo = toUtf8(addressBox_->currentText());
  f.target = toUtf8(targetBox_->currentText());
  f.style = toUtf8(styleEdit_->text());
  f.name = toUtf8(nameEdit_->text());
  f.className = toUtf8(classEdit_->text());
  return f;
}

void HyperlinkDialog::setFields(const tags::LinkFields& f) {
  addressBox_->setEditText(fromUtf8(f.linkTo));
  targetBox_->setEditText(fromUtf8(f.target));
  styleEdit_->setText(fromUtf8(f.style));
  nameEdit_->setText(fromUtf8(f.name));
  classEdit_->setText(fromUtf8(f.className));
}

void HyperlinkDialog::browseFile() {
  // The path goes in as chosen, without a file:// prefix.
  const QString path = Prompter::instance().openFileName(tr("Link to File..."), QString(), kAllFilesFilter);
  if (!path.isEmpty()) addressBox_->setEditText(path);
}

}  // namespace markloom
