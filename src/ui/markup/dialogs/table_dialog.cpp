#include "ui/markup/dialogs/table_dialog.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

#include "ui/common/command_guard.h"
#include "ui/common/dialog_kit.h"
#include "ui/markup/dialogs/cell_grid.h"
#include "ui/markup/dialogs/up_down_edit.h"

namespace markloom {

using namespace dialogkit;

TableDialog::TableDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TableForm");
  setWindowTitle("Create a Table...");
  resize(415, 214);

  grid_ = new CellGrid(this);
  grid_->setObjectName("Grid2");
  grid_->horizontalHeader()->setDefaultSectionSize(48);
  grid_->setColCount(5);
  grid_->setGridRowCount(3);
  grid_->setFixedCols(1);
  grid_->setSizingAndMoving(true);

  columnsEdit_ = new UpDownEdit("EditCols", "UpDown1", 1, 32767, this);
  rowsEdit_ = new UpDownEdit("EditRows", "UpDown2", 1, 32767, this);
  borderEdit_ = namedEdit(this, "EditBorder");
  heightEdit_ = namedEdit(this, "EditHeight");
  widthEdit_ = namedEdit(this, "EditWidth");

  // Numbers and measures: short boxes, the grid takes the rest of the width.
  for (QLineEdit* e : {borderEdit_, heightEdit_, widthEdit_}) markShortField(e, QStringLiteral("00000px"));
  auto* fieldsGrid = new QGridLayout;
  addLabelled(fieldsGrid, 0, "Columns:", columnsEdit_);
  addLabelled(fieldsGrid, 1, "Rows:", rowsEdit_);
  addLabelled(fieldsGrid, 2, "Border Width:", borderEdit_);
  addLabelled(fieldsGrid, 3, "Height:", heightEdit_);
  addLabelled(fieldsGrid, 4, "Width:", widthEdit_);
  auto* side = new QVBoxLayout;
  side->addLayout(fieldsGrid);
  side->addStretch();
  addOkCancel(this, side);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(grid_, 2);
  layout->addLayout(side);

  setFields(tags::TableFields{});
  connect(columnsEdit_, &UpDownEdit::textChanged, this, &TableDialog::resizeColumns);
  connect(rowsEdit_, &UpDownEdit::textChanged, this, &TableDialog::resizeRows);
  dialogkit::fitToContent(this);
}

tags::TableFields TableDialog::fields() const {
  tags::TableFields f;
  f.columns = toUtf8(columnsEdit_->text());
  f.rows = toUtf8(rowsEdit_->text());
  f.border = toUtf8(borderEdit_->text());
  f.height = toUtf8(heightEdit_->text());
  f.width = toUtf8(widthEdit_->text());
  f.cells = grid_->cellRows();
  return f;
}

void TableDialog::setFields(const tags::TableFields& f) {
  {
    const QSignalBlocker columnsBlocker(columnsEdit_);
    const QSignalBlocker rowsBlocker(rowsEdit_);
    columnsEdit_->setText(fromUtf8(f.columns));
    rowsEdit_->setText(fromUtf8(f.rows));
  }
  borderEdit_->setText(fromUtf8(f.border));
  heightEdit_->setText(fromUtf8(f.height));
  widthEdit_->setText(fromUtf8(f.width));
  std::size_t columns = 0;
  for (const auto& row : f.cells) columns = std::max(columns, row.size());
  grid_->setColCount(static_cast<int>(columns));
  grid_->setGridRowCount(static_cast<int>(f.cells.size()));
  for (int r = 0; r < grid_->rowCount(); ++r) {
    for (int c = 0; c < grid_->colCount(); ++c) {
      const bool given =
          static_cast<std::size_t>(r) < f.cells.size() && static_cast<std::size_t>(c) < f.cells[r].size();
      grid_->setCell(c, r, given ? fromUtf8(f.cells[r][c]) : QString());
    }
  }
}

void TableDialog::resizeColumns() {
  guarded([&] { grid_->setColCount(tags::tableGridColumns(toUtf8(columnsEdit_->text()))); });
}

void TableDialog::resizeRows() {
  guarded([&] { grid_->setGridRowCount(tags::tableGridRows(toUtf8(rowsEdit_->text()))); });
}

}  // namespace markloom
