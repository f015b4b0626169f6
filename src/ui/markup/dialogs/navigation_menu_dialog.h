#pragma once
// "Insert Navigation Menu...": the menu's name and its list of items (text and
// address), edited in the list or through the two boxes below it.
#include <QDialog>

#include "core/markup/tags/navigation_menu_builder.h"

class QLineEdit;

namespace markloom {

class CellGrid;
class UpDownEdit;

class NavigationMenuDialog : public QDialog {
  Q_OBJECT
 public:
  explicit NavigationMenuDialog(QWidget* parent = nullptr);

  // list: the item rows of the grid, in order (the header row left out).
  tags::NavigationFields fields() const;
  void setFields(const tags::NavigationFields& fields);
  CellGrid* grid() const { return list_; }

 public slots:
  void resizeList();      // the list gets as many item rows as Number of Items says
  void showRow(int row);  // a row's cells into Current Text and Current Link
  void writeText();       // Current Text into column 0 of the current row
  void writeLink();       // Current Link into column 1
  void browseLink();

 private:
  UpDownEdit* itemCountEdit_;
  QLineEdit* nameEdit_;
  CellGrid* list_;
  QLineEdit* linkEdit_;
  QLineEdit* textEdit_;
};

}  // namespace markloom
