#pragma once
// CellGrid: a grid of text cells whose first rows and columns may be fixed
// header cells, with row editing keys and an HTML-table writer.
//
// Keys, handled before the grid's own: Down on the last row appends an empty
// row (and moves to it); Insert inserts an empty row at the current row;
// Ctrl+Delete removes the current row after a confirmation, but only while the
// grid has more than 2 rows.
//
// Cells are addressed as cell(column, row), fixed cells included. Fixed cells
// are shaded and not editable. Dragging a column or row by its handle moves
// its cells, so the cells' order is always the order the grid shows.
#include <QString>
#include <QTableWidget>
#include <string>
#include <vector>

#include "core/markup/tags/table_builder.h"

namespace markloom {

class CellGrid : public QTableWidget {
  Q_OBJECT
 public:
  static constexpr int kDefaultRowHeight = 16;
  static constexpr int kFixedColumnWidth = 16;

  explicit CellGrid(QWidget* parent = nullptr);

  void setFixedRows(int count);
  void setFixedCols(int count);
  int fixedRows() const { return fixedRows_; }

  // Resize handles for rows and columns, and dragging them to move cells.
  void setSizingAndMoving(bool on);
  // Whole-row selection (a list rather than a sheet).
  void setRowSelect(bool on);

  int colCount() const { return columnCount(); }
  void setColCount(int count);
  void setGridRowCount(int count);

  QString cell(int column, int row) const;
  void setCell(int column, int row, const QString& text);

  // The cells, rows[r][c], as UTF-8 text.
  tags::GridRows cellRows() const;
  std::vector<std::string> htmlTable() const;

  // The row editing commands the keys run.
  void appendRow();
  void insertRowAt(int row);
  // Asks first; returns true when the row was removed.
  bool deleteRowAsked(int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void shapeCells();  // items everywhere, fixed cells shaded, sizes
  void columnDragged(int logical, int oldVisual, int newVisual);
  void rowDragged(int logical, int oldVisual, int newVisual);
  void moveColumnCells(int from, int to);
  void moveRowCells(int from, int to);

  int fixedRows_ = 0;
  int fixedCols_ = 0;
};

}  // namespace markloom
