#pragma once
// "Create a Table...": a grid of cells whose size follows the Columns and
// Rows boxes, and the table's border, height and width.
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

  // The boxes and the grid's cells. setFields takes the grid's size from
  // the cells, whatever the Columns and Rows texts say.
  tags::TableFields fields() const;
  void setFields(const tags::TableFields& fields);
  CellGrid* grid() const { return grid_; }

 public slots:
  // A changed Columns or Rows text resizes the grid; a text that is not a
  // whole number is reported and the grid keeps its size.
  void resizeColumns();
  void resizeRows();

 private:
  CellGrid* grid_;
  UpDownEdit* columnsEdit_;
  UpDownEdit* rowsEdit_;
  QLineEdit* borderEdit_;
  QLineEdit* heightEdit_;
  QLineEdit* widthEdit_;
};

}  // namespace markloom
