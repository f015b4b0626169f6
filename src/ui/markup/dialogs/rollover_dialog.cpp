#include "ui/markup/dialogs/rollover_dialog.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

using namespace dialogkit;

RolloverDialog::RolloverDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("RolloverForm");
  setWindowTitle("Insert Image Rollover");
  resize(288, 197);

  originalEdit_ = namedEdit(this, "EditOriginal");
  rolloverEdit_ = namedEdit(this, "EditNext");
  hyperlinkEdit_ = namedEdit(this, "EditHyperlink");
  nameEdit_ = namedEdit(this, "EditName");

  auto* grid = new QGridLayout;
  addLabelled(grid, 0, "Original Image:", originalEdit_);
  auto* browseOriginalButton = new QPushButton(tr("&Browse"), this);
  browseOriginalButton->setObjectName("Button1");
  grid->addWidget(browseOriginalButton, 0, 2);
  addLabelled(grid, 1, "Replace With (on Rollover):", rolloverEdit_);
  auto* browseRolloverButton = new QPushButton(tr("B&rowse"), this);
  browseRolloverButton->setObjectName("Button2");
  grid->addWidget(browseRolloverButton, 1, 2);
  addLabelled(grid, 2, "Hyperlink:", hyperlinkEdit_);
  addLabelled(grid, 3, "Name:", nameEdit_);
  for (QPushButton* b : {browseOriginalButton, browseRolloverButton}) b->setAutoDefault(false);
  connect(browseOriginalButton, &QPushButton::clicked, this, &RolloverDialog::browseOriginal);
  connect(browseRolloverButton, &QPushButton::clicked, this, &RolloverDialog::browseRollover);

  layOutFieldsAndButtons(this, grid);
  dialogkit::fitToContent(this);
}

tags::RolloverFields RolloverDialog::fields() const {
  tags::RolloverFields f;
  f.original = toUtf8(originalEdit_->text());
  f.next = toUtf8(rolloverEdit_->text());
  f.hyperlink = toUtf8(hyperlinkEdit_->text());
  f.name = toUtf8(nameEdit_->text());
  return f;
}

void RolloverDialog::setFields(const tags::RolloverFields& f) {
  originalEdit_->setText(fromUtf8(f.original));
  rolloverEdit_->setText(fromUtf8(f.next));
  hyperlinkEdit_->setText(fromUtf8(f.hyperlink));
  nameEdit_->setText(fromUtf8(f.name));
}

QString RolloverDialog::choosePicture() {
  return Prompter::instance().openFileName(QString(), QString(), kRolloverPictureFilter);
}

void RolloverDialog::browseOriginal() {
  const QString path = choosePicture();
  if (!path.isEmpty()) originalEdit_->setText(path);
}

void RolloverDialog::browseRollover() {
  const QString path = choosePicture();
  if (!path.isEmpty()) rolloverEdit_->setText(path);
}

}  // namespace markloom
