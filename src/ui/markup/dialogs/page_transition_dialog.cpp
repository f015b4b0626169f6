#include "ui/markup/dialogs/page_transition_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace dialogkit;

PageTransitionDialog::PageTransitionDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm31");
  setWindowTitle("Page Transitions Control");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  resize(272, 244);
  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(fromUtf8(tags::kTransitionNote), this);
  note->setObjectName("Label1");
  note->setWordWrap(true);
  layout->addWidget(note);

  auto* form = new QFormLayout;
  eventBox_ = new QComboBox(this);
  eventBox_->setObjectName("ComboBox971");
  eventBox_->setEditable(true);
  eventBox_->setInsertPolicy(QComboBox::NoInsert);
  eventBox_->addItems(fromUtf8(tags::transitionEvents()));
  timeEdit_ = namedEdit(this, "Edit971");
  typeList_ = new QListWidget(this);
  typeList_->setObjectName("ListBox1");
  for (const tags::Transition& t : tags::transitions()) typeList_->addItem(fromUtf8(t.name));
  form->addRow("Event:", eventBox_);
  form->addRow("Time (secs):", timeEdit_);
  form->addRow("Type:", typeList_);
  layout->addLayout(form, 1);
  addOkCancel(this, layout);
  setFields({});
  dialogkit::fitToContent(this);
}

tags::TransitionFields PageTransitionDialog::fields() const {
  const QListWidgetItem* item = typeList_->currentItem();
  const int selected = item && item->isSelected() ? typeList_->row(item) : -1;
  return {toUtf8(eventBox_->currentText()), toUtf8(timeEdit_->text()), selected};
}

void PageTransitionDialog::setFields(const tags::TransitionFields& f) {
  eventBox_->setEditText(fromUtf8(f.event));
  timeEdit_->setText(fromUtf8(f.time));
  if (f.selected >= 0 && f.selected < typeList_->count()) {
    typeList_->setCurrentRow(f.selected);
  } else {
    typeList_->setCurrentRow(-1);
    typeList_->clearSelection();
  }
}

}  // namespace markloom
