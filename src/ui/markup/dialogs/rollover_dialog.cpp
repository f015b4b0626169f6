#include "ui/markup/dialogs/rollover_dialog.h"

#include <QPushButton>

#include "ui/common/prompter.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/dialog_layout.h"
#include "ui/common/dialog_text.h"

namespace markloom {

using dialogtext::bytes;
using dialogtext::qs;

RolloverDialog::RolloverDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("RolloverForm");
  setWindowTitle("Insert Image Rollover");
  resize(288, 197);

  EditOriginal = namedEdit(this, "EditOriginal");
  EditNext = namedEdit(this, "EditNext");
  EditHyperlink = namedEdit(this, "EditHyperlink");
  EditName = namedEdit(this, "EditName");

  auto* grid = new QGridLayout;
  addLabelled(grid, 0, "Original Image:", EditOriginal);
  auto* browse1 = new QPushButton(tr("&Browse"), this);
  browse1->setObjectName("Button1");
  grid->addWidget(browse1, 0, 2);
  addLabelled(grid, 1, "Replace With (on Rollover):", EditNext);
  auto* browse2 = new QPushButton(tr("B&rowse"), this);
  browse2->setObjectName("Button2");
  grid->addWidget(browse2, 1, 2);
  addLabelled(grid, 2, "Hyperlink:", EditHyperlink);
  addLabelled(grid, 3, "Name:", EditName);
  for (QPushButton* b : {browse1, browse2}) b->setAutoDefault(false);
  connect(browse1, &QPushButton::clicked, this, &RolloverDialog::Button1Click);
  connect(browse2, &QPushButton::clicked, this, &RolloverDialog::Button2Click);

  layOutFieldsAndButtons(this, grid);
}

RolloverFields RolloverDialog::fields() const {
  RolloverFields f;
  f.original = bytes(EditOriginal->text());
  f.next = bytes(EditNext->text());
  f.hyperlink = bytes(EditHyperlink->text());
  f.name = bytes(EditName->text());
  return f;
}

void RolloverDialog::setFields(const RolloverFields& f) {
  EditOriginal->setText(qs(f.original));
  EditNext->setText(qs(f.next));
  EditHyperlink->setText(qs(f.hyperlink));
  EditName->setText(qs(f.name));
}

QString RolloverDialog::choosePicture() {
  return Prompter::instance().openFileName(QString(), QString(), dialogtext::kRolloverPictureFilter);
}

void RolloverDialog::Button1Click() {
  const QString path = choosePicture();
  if (!path.isEmpty()) EditOriginal->setText(path);
}

void RolloverDialog::Button2Click() {
  const QString path = choosePicture();
  if (!path.isEmpty()) EditNext->setText(path);
}

}  // namespace markloom
