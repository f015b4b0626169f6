#include "ui/recovery/recovery_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"

namespace markloom {

RecoveryDialog::RecoveryDialog(const QStringList& names, QWidget* parent) : QDialog(parent) {
  setObjectName("RecoveryDialog");
  setWindowTitle("Recover Documents");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel("Markloom did not close properly last time. These documents had changes that were not saved:", this));
  auto* list = new QListWidget(this);
  list->setObjectName("RecoveredList");
  list->addItems(names);
  layout->addWidget(list);
  layout->addWidget(new QLabel("Restore opens them with their changes; Discard throws the changes away.", this));
  const dialogkit::OkCancel buttons =
      dialogkit::addOkCancel(this, layout, true, {QStringLiteral("RestoreButton"), QStringLiteral("DiscardButton")});
  buttons.ok->setText("&Restore");
  buttons.cancel->setText("&Discard");
}

}  // namespace markloom
