#pragma once
// TableDialog, "Create a Table...": a grid of cells whose size follows the
// Columns and Rows boxes, and the table's border, height and width.
#include <QDialog>

#include "core/markup/tags/table_builder.h"

class QLineEdit;

namespace markloom {

class CellGrid;
class UpDownEdit;

class TableDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TableDialog(QWidget* parent = nullptr);

  TableFields fields() const;
  void setFields(const TableFields& fields);
  CellGrid* grid() const { return Grid2; }

 public slots:
  // A changed Columns or Rows text resizes the grid; a text that is not a
  // whole number is reported and the grid keeps its size.
  void EditColsChange();
  void EditRowsChange();

 private:
  CellGrid* Grid2;
  UpDownEdit* EditCols;
  UpDownEdit* EditRows;
  QLineEdit* EditBorder;
  QLineEdit* EditHeight;
  QLineEdit* EditWidth;
};

}  // namespace markloom
