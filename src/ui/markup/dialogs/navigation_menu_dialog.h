#pragma once
// NavigationMenuDialog, "Insert Navigation Menu...": the menu's name and its list of
// items (text and address), edited in the list or through the two boxes below it.
#include <QDialog>

#include "core/markup/tags/navigation_builder.h"

class QLineEdit;

namespace markloom {

class CellGrid;
class UpDownEdit;

class NavigationMenuDialog : public QDialog {
  Q_OBJECT
 public:
  explicit NavigationMenuDialog(QWidget* parent = nullptr);

  // list: the item rows of the grid, in order (the header row left out).
  NavigationFields fields() const;
  void setFields(const NavigationFields& fields);
  CellGrid* grid() const { return NavGrid; }

 public slots:
  void EditItemsChange();             // the list gets that many item rows
  void NavGridSelectCell(int row);    // a row's cells into Current Text / Link
  void EditTextChange();              // Current Text into column 0 of the current row
  void EditLinkChange();              // Current Link into column 1
  void Button1Click();                // "&Browse..."

 private:
  UpDownEdit* EditItems;
  QLineEdit* EditName;
  CellGrid* NavGrid;
  QLineEdit* EditLink;
  QLineEdit* EditText;
};

}  // namespace markloom
