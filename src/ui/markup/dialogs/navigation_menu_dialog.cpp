#include "ui/markup/dialogs/navigation_menu_dialog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>

#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/dialog_layout.h"
#include "ui/common/dialog_text.h"
#include "ui/markup/dialogs/cell_grid.h"
#include "ui/markup/dialogs/up_down_edit.h"

namespace markloom {

using dialogtext::bytes;
using dialogtext::qs;

NavigationMenuDialog::NavigationMenuDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("NavigationForm");
  setWindowTitle("Insert Navigation Menu...");
  resize(383, 308);

  EditItems = new UpDownEdit("EditItems", "UpDown1", 1, 32767, this);
  EditName = namedEdit(this, "EditName");
  NavGrid = new CellGrid(this);
  NavGrid->setObjectName("NavGrid");
  NavGrid->setColCount(2);
  NavGrid->setGridRowCount(2);
  NavGrid->setFixedRows(1);
  NavGrid->setRowSelect(true);
  NavGrid->horizontalHeader()->setStretchLastSection(true);
  NavGrid->setColumnWidth(0, 150);
  NavGrid->setCell(0, 0, kNavigationTextHeader);
  NavGrid->setCell(1, 0, kNavigationLinkHeader);
  EditLink = namedEdit(this, "EditLink");
  EditText = namedEdit(this, "EditText");

  auto* grid = new QGridLayout;
  addLabelled(grid, 0, "Number of Items:", EditItems);
  addLabelled(grid, 1, "Name for Menu:", EditName);
  auto* listLabel = new QLabel(tr("Text / Links List:"), this);
  listLabel->setBuddy(NavGrid);
  grid->addWidget(listLabel, 2, 0, 1, 3);
  grid->addWidget(NavGrid, 3, 0, 1, 3);
  addLabelled(grid, 4, "Current Link:", EditLink);
  auto* browse = new QPushButton(tr("&Browse..."), this);
  browse->setObjectName("Button1");
  browse->setAutoDefault(false);
  grid->addWidget(browse, 4, 2);
  addLabelled(grid, 5, "Current Text:", EditText);

  layOutFieldsAndButtons(this, grid);

  EditItems->setText("1");
  NavGrid->setCurrentCell(1, 0);
  connect(EditItems, &UpDownEdit::textChanged, this, &NavigationMenuDialog::EditItemsChange);
  connect(NavGrid, &QTableWidget::cellClicked, this, [this](int row, int) { NavGridSelectCell(row); });
  connect(NavGrid, &QTableWidget::currentCellChanged, this, [this](int row, int) { NavGridSelectCell(row); });
  connect(EditText, &QLineEdit::textChanged, this, &NavigationMenuDialog::EditTextChange);
  connect(EditLink, &QLineEdit::textChanged, this, &NavigationMenuDialog::EditLinkChange);
  connect(browse, &QPushButton::clicked, this, &NavigationMenuDialog::Button1Click);
}

NavigationFields NavigationMenuDialog::fields() const {
  NavigationFields f;
  f.items = bytes(EditItems->text());
  f.name = bytes(EditName->text());
  for (int r = NavGrid->fixedRows(); r < NavGrid->rowCount(); ++r) {
    f.list.push_back({bytes(NavGrid->cell(0, r)), bytes(NavGrid->cell(1, r))});
  }
  return f;
}

void NavigationMenuDialog::setFields(const NavigationFields& f) {
  {
    // The list takes the rows given, whatever the Number of Items text says.
    const QSignalBlocker blocker(EditItems);
    EditItems->setText(qs(f.items));
  }
  EditName->setText(qs(f.name));
  NavGrid->setGridRowCount(static_cast<int>(f.list.size()) + NavGrid->fixedRows());
  for (std::size_t i = 0; i < f.list.size(); ++i) {
    const int row = static_cast<int>(i) + NavGrid->fixedRows();
    NavGrid->setCell(0, row, qs(f.list[i].text));
    NavGrid->setCell(1, row, qs(f.list[i].link));
  }
  NavGridSelectCell(NavGrid->currentRow());
}

void NavigationMenuDialog::EditItemsChange() {
  guarded([&] { NavGrid->setGridRowCount(navigationGridRows(bytes(EditItems->text()))); });
}

void NavigationMenuDialog::NavGridSelectCell(int row) {
  if (row < NavGrid->fixedRows() || row >= NavGrid->rowCount()) return;
  // Filling the boxes writes the same texts back into this row.
  EditText->setText(NavGrid->cell(0, row));
  EditLink->setText(NavGrid->cell(1, row));
}

void NavigationMenuDialog::EditTextChange() {
  const int row = NavGrid->currentRow();
  if (row >= NavGrid->fixedRows()) NavGrid->setCell(0, row, EditText->text());
}

void NavigationMenuDialog::EditLinkChange() {
  const int row = NavGrid->currentRow();
  if (row >= NavGrid->fixedRows()) NavGrid->setCell(1, row, EditLink->text());
}

void NavigationMenuDialog::Button1Click() {
  const QString path = Prompter::instance().openFileName(tr("Insert a Link..."), QString(), dialogtext::kAllFilesFilter);
  if (!path.isEmpty()) EditLink->setText(path);
}

}  // namespace markloom
