#include "ui/markup/dialogs/hyperlink_dialog.h"

#include <QPushButton>

#include "ui/common/prompter.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/dialog_layout.h"
#include "ui/common/dialog_text.h"

namespace markloom {

using dialogtext::bytes;
using dialogtext::qs;

HyperlinkDialog::HyperlinkDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("LinkForm");
  setWindowTitle("Insert a Hyperlink...");
  resize(303, 135);

  // Prefixes the user completes.
  EditLink = namedCombo(this, "EditLink",
                        {"file://", "ftp://", "gopher://", "http://", "mailto:", "news:", "newsrc:", "nntp://",
                         "telnet://", "view-source://", "wais://"});
  EditTarget = namedCombo(this, "EditTarget", {"_blank", "_parent", "_self", "_top"});
  EditStyle = namedEdit(this, "EditStyle");
  EditName = namedEdit(this, "EditName");
  EditClass = namedEdit(this, "EditClass");

  auto* grid = new QGridLayout;
  addLabelled(grid, 0, "Link To:", EditLink);
  auto* browse = new QPushButton(tr("&Browse..."), this);
  browse->setObjectName("Button1");
  browse->setAutoDefault(false);
  grid->addWidget(browse, 0, 2);
  addLabelled(grid, 1, "Target:", EditTarget);
  addLabelled(grid, 2, "Style:", EditStyle);
  addLabelled(grid, 3, "Name:", EditName);
  addLabelled(grid, 4, "Class:", EditClass);
  connect(browse, &QPushButton::clicked, this, &HyperlinkDialog::Button1Click);

  layOutFieldsAndButtons(this, grid);
}

LinkFields HyperlinkDialog::fields() const {
  LinkFields f;
  f.linkTo = bytes(EditLink->currentText());
  f.target = bytes(EditTarget->currentText());
  f.style = bytes(EditStyle->text());
  f.name = bytes(EditName->text());
  f.className = bytes(EditClass->text());
  return f;
}

void HyperlinkDialog::setFields(const LinkFields& f) {
  EditLink->setEditText(qs(f.linkTo));
  EditTarget->setEditText(qs(f.target));
  EditStyle->setText(qs(f.style));
  EditName->setText(qs(f.name));
  EditClass->setText(qs(f.className));
}

void HyperlinkDialog::Button1Click() {
  // The path goes in as chosen, without a file:// prefix.
  const QString path = Prompter::instance().openFileName(tr("Link to File..."), QString(), dialogtext::kAllFilesFilter);
  if (!path.isEmpty()) EditLink->setEditText(path);
}

}  // namespace markloom
