#include "ui/recovery/recovery_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"

namespace markloom {

QStringList RecoveryDialog::captions(const QList<Entry>& entries) {
  QStringList out;
  int untitled = 0;
  for (const Entry& e : entries) {
    const QString name =
        e.fileName.isEmpty() ? QStringLiteral("Untitled document %1").arg(++untitled) : e.fileName;
    out << QStringLiteral("%1 (%2)").arg(name, e.changed.toString(QStringLiteral("yyyy-MM-dd hh:mm")));
  }
  return out;
}

RecoveryDialog::RecoveryDialog(const QList<Entry>& entries, QWidget* parent) : QDialog(parent) {
  setObjectName("RecoveryDialog");
  setWindowTitle("Recover Documents");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel("Markloom did not close properly last time. These documents had changes that were not saved:", this));
  list_ = new QListWidget(this);
  list_->setObjectName("RecoveredList");
  for (const QString& caption : captions(entries)) {
    auto* item = new QListWidgetItem(caption, list_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
  }
  layout->addWidget(list_);
  layout->addWidget(new QLabel(
      "Restore opens the ticked documents with their changes and throws away the changes of the others;\n"
      "Discard throws away all of them.",
      this));
  const dialogkit::OkCancel buttons =
      dialogkit::addOkCancel(this, layout, true, {QStringLiteral("RestoreButton"), QStringLiteral("DiscardButton")});
  buttons.ok->setText("&Restore");
  buttons.cancel->setText("&Discard");
  // Nothing ticked leaves nothing to restore.
  connect(list_, &QListWidget::itemChanged, this, [this, ok = buttons.ok] { ok->setEnabled(!ticked().isEmpty()); });
}

QList<int> RecoveryDialog::ticked() const {
  QList<int> rows;
  for (int i = 0; i < list_->count(); ++i)
    if (list_->item(i)->checkState() == Qt::Checked) rows << i;
  return rows;
}

}  // namespace markloom
