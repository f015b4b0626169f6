#include "ui/markup/dialogs/page_transition_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace builders;

PageTransitionDialog::PageTransitionDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm31");
  setWindowTitle("Page Transitions Control");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  resize(272, 244);
  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(qs(markup::kTransitionNote), this);
  note->setObjectName("Label1");
  note->setWordWrap(true);
  layout->addWidget(note);

  auto* form = new QFormLayout;
  ComboBox971 = new QComboBox(this);
  ComboBox971->setObjectName("ComboBox971");
  ComboBox971->setEditable(true);
  ComboBox971->setInsertPolicy(QComboBox::NoInsert);
  ComboBox971->addItems(qsList(markup::transitionEvents()));
  Edit971 = new QLineEdit(this);
  Edit971->setObjectName("Edit971");
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  for (const markup::Transition& t : markup::transitions()) ListBox1->addItem(qs(t.name));
  form->addRow("Event:", ComboBox971);
  form->addRow("Time (secs):", Edit971);
  form->addRow("Type:", ListBox1);
  layout->addLayout(form, 1);
  addOkCancel(this, layout);
  setFields({});
}

markup::TransitionFields PageTransitionDialog::fields() const {
  const QListWidgetItem* item = ListBox1->currentItem();
  const int selected = item && item->isSelected() ? ListBox1->row(item) : -1;
  return {bytes(ComboBox971->currentText()), bytes(Edit971->text()), selected};
}

void PageTransitionDialog::setFields(const markup::TransitionFields& f) {
  ComboBox971->setEditText(qs(f.event));
  Edit971->setText(qs(f.time));
  if (f.selected >= 0 && f.selected < ListBox1->count()) {
    ListBox1->setCurrentRow(f.selected);
  } else {
    ListBox1->setCurrentRow(-1);
    ListBox1->clearSelection();
  }
}

}  // namespace markloom
