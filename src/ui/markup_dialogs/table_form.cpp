#include "ui/markup_dialogs/table_form.h"

#include <QHeaderView>

#include "ui/common/command_guard.h"
#include "ui/markup_dialogs/dialog_buttons.h"
#include "ui/markup_dialogs/dialog_layout.h"
#include "ui/markup_dialogs/dialog_text.h"
#include "ui/markup_dialogs/string_grid.h"
#include "ui/markup_dialogs/up_down_edit.h"

namespace markloom {

using dialogtext::bytes;
using dialogtext::qs;

TTableForm::TTableForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TableForm");
  setWindowTitle("Create a Table...");
  resize(415, 214);

  Grid2 = new TkjStringGrid(this);
  Grid2->setObjectName("Grid2");
  Grid2->horizontalHeader()->setDefaultSectionSize(48);
  Grid2->setColCount(5);
  Grid2->setGridRowCount(3);
  Grid2->setFixedCols(1);
  Grid2->setSizingAndMoving(true);

  EditCols = new UpDownEdit("EditCols", "UpDown1", 1, 32767, this);
  EditRows = new UpDownEdit("EditRows", "UpDown2", 1, 32767, this);
  EditBorder = namedEdit(this, "EditBorder");
  EditHeight = namedEdit(this, "EditHeight");
  EditWidth = namedEdit(this, "EditWidth");

  for (QWidget* w : std::initializer_list<QWidget*>{EditCols, EditRows, EditBorder, EditHeight, EditWidth}) w->setMaximumWidth(80);
  auto* fieldsGrid = new QGridLayout;
  addLabelled(fieldsGrid, 0, "Columns:", EditCols);
  addLabelled(fieldsGrid, 1, "Rows:", EditRows);
  addLabelled(fieldsGrid, 2, "Border Width:", EditBorder);
  addLabelled(fieldsGrid, 3, "Height:", EditHeight);
  addLabelled(fieldsGrid, 4, "Width:", EditWidth);
  auto* buttons = new QHBoxLayout;
  addDialogButtons(this, buttons);
  auto* side = new QVBoxLayout;
  side->addLayout(fieldsGrid);
  side->addStretch();
  side->addLayout(buttons);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(Grid2, 2);
  layout->addLayout(side);

  setFields(TableFields{});
  connect(EditCols, &UpDownEdit::textChanged, this, &TTableForm::EditColsChange);
  connect(EditRows, &UpDownEdit::textChanged, this, &TTableForm::EditRowsChange);
}

TableFields TTableForm::fields() const {
  TableFields f;
  f.columns = bytes(EditCols->text());
  f.rows = bytes(EditRows->text());
  f.border = bytes(EditBorder->text());
  f.height = bytes(EditHeight->text());
  f.width = bytes(EditWidth->text());
  return f;
}

void TTableForm::setFields(const TableFields& f) {
  EditCols->setText(qs(f.columns));
  EditRows->setText(qs(f.rows));
  EditBorder->setText(qs(f.border));
  EditHeight->setText(qs(f.height));
  EditWidth->setText(qs(f.width));
}

void TTableForm::EditColsChange() {
  guarded([&] { Grid2->setColCount(tableGridColumns(bytes(EditCols->text()))); });
}

void TTableForm::EditRowsChange() {
  guarded([&] { Grid2->setGridRowCount(tableGridRows(bytes(EditRows->text()))); });
}

}  // namespace markloom
