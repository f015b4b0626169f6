#include "ui/markup/dialogs/cell_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

using dialogkit::toUtf8;

namespace {
const QColor kFixedShade(0xE0, 0xE0, 0xE0);
constexpr const char* kDeleteQuestion = "Are you sure you want to delete this row?";
}  // namespace

CellGrid::CellGrid(QWidget* parent) : QTableWidget(parent) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(kDefaultRowHeight);
  horizontalHeader()->setMinimumSectionSize(kFixedColumnWidth);
  verticalHeader()->setDefaultSectionSize(kDefaultRowHeight);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(true);
  connect(horizontalHeader(), &QHeaderView::sectionMoved, this, &CellGrid::columnDragged);
  connect(verticalHeader(), &QHeaderView::sectionMoved, this, &CellGrid::rowDragged);
}

void CellGrid::setFixedRows(int count) {
  fixedRows_ = count;
  shapeCells();
}

void CellGrid::setFixedCols(int count) {
  fixedCols_ = count;
  shapeCells();
}

void CellGrid::setSizingAndMoving(bool on) {
  for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
    h->setVisible(on);
    h->setSectionsMovable(on);
    h->setSectionResizeMode(on ? QHeaderView::Interactive : QHeaderView::Fixed);
  }
  if (on) {
    // Thin handles: the grid's own fixed cells are its headers.
    horizontalHeader()->setFixedHeight(6);
    verticalHeader()->setFixedWidth(6);
  }
}

void CellGrid::setRowSelect(bool on) {
  setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void CellGrid::setColCount(int count) {
  setColumnCount(std::max(count, 1));
  shapeCells();
}

void CellGrid::setGridRowCount(int count) {
  setRowCount(std::max(count, 1));
  shapeCells();
}

void CellGrid::shapeCells() {
  const QSignalBlocker blocker(this);
  for (int r = 0; r < rowCount(); ++r) {
    setRowHeight(r, std::max(rowHeight(r), kDefaultRowHeight));
    for (int c = 0; c < columnCount(); ++c) {
      QTableWidgetItem* it = item(r, c);
      if (!it) {
        it = new QTableWidgetItem;
        setItem(r, c, it);
      }
      // Touch only what differs: a change to the cell being edited would
      // reload its editor and lose what was typed.
      const bool fixed = r < fixedRows_ || c < fixedCols_;
      const Qt::ItemFlags flags =
          fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
      const QBrush shade = fixed ? QBrush(kFixedShade) : QBrush();
      if (it->flags() != flags) it->setFlags(flags);
      if (it->background() != shade) it->setBackground(shade);
    }
  }
  // The handles carry no labels: the fixed cells are the grid's own headers.
  for (int c = 0; c < columnCount(); ++c) {
    if (!horizontalHeaderItem(c)) setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
  }
  for (int r = 0; r < rowCount(); ++r) {
    if (!verticalHeaderItem(r)) setVerticalHeaderItem(r, new QTableWidgetItem(QString()));
  }
  for (int c = 0; c < std::min(fixedCols_, columnCount()); ++c) setColumnWidth(c, kFixedColumnWidth);
  // The current cell stays out of the fixed area.
  if (rowCount() > fixedRows_ && columnCount() > fixedCols_ &&
      (currentRow() < fixedRows_ || currentColumn() < fixedCols_)) {
    setCurrentCell(fixedRows_, fixedCols_);
  }
}

QString CellGrid::cell(int column, int row) const {
  const QTableWidgetItem* it = item(row, column);
  return it ? it->text() : QString();
}

void CellGrid::setCell(int column, int row, const QString& text) {
  QTableWidgetItem* it = item(row, column);
  if (!it) {
    shapeCells();
    it = item(row, column);
  }
  if (it) it->setText(text);
}

tags::GridRows CellGrid::cellRows() const {
  tags::GridRows rows(rowCount());
  for (int r = 0; r < rowCount(); ++r) {
    rows[r].reserve(columnCount());
    for (int c = 0; c < columnCount(); ++c) rows[r].push_back(toUtf8(cell(c, r)));
  }
  return rows;
}

std::vector<std::string> CellGrid::htmlTable() const { return tags::htmlTableLines(cellRows(), columnCount()); }

void CellGrid::appendRow() {
  setRowCount(rowCount() + 1);
  shapeCells();
}

void CellGrid::insertRowAt(int row) {
  row = std::clamp(row, fixedRows_, rowCount());
  insertRow(row);
  shapeCells();
  setCurrentCell(row, std::max(currentColumn(), fixedCols_));
}

bool CellGrid::deleteRowAsked(int row) {
  if (rowCount() <= 2 || row < fixedRows_ || row >= rowCount()) return false;
  const Prompter::Answer a = Prompter::instance().message(QApplication::applicationDisplayName(), kDeleteQuestion,
                                                          Prompter::Icon::Question, Prompter::Buttons::OkCancel);
  if (a != Prompter::Answer::Ok) return false;
  removeRow(row);
  shapeCells();
  return true;
}

void CellGrid::keyPressEvent(QKeyEvent* event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  switch (event->key()) {
    case Qt::Key_Down:
      if (currentRow() == rowCount() - 1) appendRow();
      break;  // the grid then moves down
    case Qt::Key_Insert:
      if (event->modifiers() == Qt::NoModifier) {
        insertRowAt(currentRow() < 0 ? fixedRows_ : currentRow());
        return;
      }
      break;
    case Qt::Key_Delete:
      if (ctrl) {
        deleteRowAsked(currentRow());
        return;
      }
      break;
    default: break;
  }
  QTableWidget::keyPressEvent(event);
}

void CellGrid::moveColumnCells(int from, int to) {
  std::vector<QString> moving;
  for (int r = 0; r < rowCount(); ++r) moving.push_back(cell(from, r));
  const int step = to > from ? 1 : -1;
  for (int c = from; c != to; c += step) {
    for (int r = 0; r < rowCount(); ++r) setCell(c, r, cell(c + step, r));
  }
  for (int r = 0; r < rowCount(); ++r) setCell(to, r, moving[r]);
}

void CellGrid::moveRowCells(int from, int to) {
  std::vector<QString> moving;
  for (int c = 0; c < columnCount(); ++c) moving.push_back(cell(c, from));
  const int step = to > from ? 1 : -1;
  for (int r = from; r != to; r += step) {
    for (int c = 0; c < columnCount(); ++c) setCell(c, r, cell(c, r + step));
  }
  for (int c = 0; c < columnCount(); ++c) setCell(c, to, moving[c]);
}

// Qt moves only the view of a dragged section; put the view back and move the
// cells instead, so that reading the grid gives what the user sees. Fixed
// sections neither move nor take a moved one.
void CellGrid::columnDragged(int, int oldVisual, int newVisual) {
  {
    const QSignalBlocker blocker(horizontalHeader());
    horizontalHeader()->moveSection(newVisual, oldVisual);
  }
  if (oldVisual >= fixedCols_ && newVisual >= fixedCols_) moveColumnCells(oldVisual, newVisual);
}

void CellGrid::rowDragged(int, int oldVisual, int newVisual) {
  {
    const QSignalBlocker blocker(verticalHeader());
    verticalHeader()->moveSection(newVisual, oldVisual);
  }
  if (oldVisual >= fixedRows_ && newVisual >= fixedRows_) moveRowCells(oldVisual, newVisual);
}

}  // namespace markloom
