#include "ui/markup/dialogs/table_dialog.h"

#include <QHeaderView>

#include "ui/common/command_guard.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/dialog_layout.h"
#include "ui/common/dialog_text.h"
#include "ui/markup/dialogs/cell_grid.h"
#include "ui/markup/dialogs/up_down_edit.h"

namespace markloom {

using dialogtext::bytes;
using dialogtext::qs;

TableDialog::TableDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TableForm");
  setWindowTitle("Create a Table...");
  resize(415, 214);

  Grid2 = new CellGrid(this);
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
  connect(EditCols, &UpDownEdit::textChanged, this, &TableDialog::EditColsChange);
  connect(EditRows, &UpDownEdit::textChanged, this, &TableDialog::EditRowsChange);
}

TableFields TableDialog::fields() const {
  TableFields f;
  f.columns = bytes(EditCols->text());
  f.rows = bytes(EditRows->text());
  f.border = bytes(EditBorder->text());
  f.height = bytes(EditHeight->text());
  f.width = bytes(EditWidth->text());
  return f;
}

void TableDialog::setFields(const TableFields& f) {
  EditCols->setText(qs(f.columns));
  EditRows->setText(qs(f.rows));
  EditBorder->setText(qs(f.border));
  EditHeight->setText(qs(f.height));
  EditWidth->setText(qs(f.width));
}

void TableDialog::EditColsChange() {
  guarded([&] { Grid2->setColCount(tableGridColumns(bytes(EditCols->text()))); });
}

void TableDialog::EditRowsChange() {
  guarded([&] { Grid2->setGridRowCount(tableGridRows(bytes(EditRows->text()))); });
}

}  // namespace markloom
