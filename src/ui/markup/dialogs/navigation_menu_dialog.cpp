#include "ui/markup/dialogs/navigation_menu_dialog.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "ui/common/command_guard.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"
#include "ui/markup/dialogs/cell_grid.h"
#include "ui/markup/dialogs/up_down_edit.h"

namespace markloom {

using namespace dialogkit;

NavigationMenuDialog::NavigationMenuDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("NavigationForm");
  setWindowTitle("Insert Navigation Menu...");
  resize(383, 308);

  itemCountEdit_ = new UpDownEdit("EditItems", "UpDown1", 1, 32767, this);
  nameEdit_ = namedEdit(this, "EditName");
  list_ = new CellGrid(this);
  list_->setObjectName("NavGrid");
  list_->setColCount(2);
  list_->setGridRowCount(2);
  list_->setFixedRows(1);
  list_->setRowSelect(true);
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->setColumnWidth(0, 150);
  list_->setCell(0, 0, fromUtf8(tags::kNavigationTextHeader));
  list_->setCell(1, 0, fromUtf8(tags::kNavigationLinkHeader));
  linkEdit_ = namedEdit(this, "EditLink");
  textEdit_ = namedEdit(this, "EditText");

  auto* grid = new QGridLayout;
  addLabelled(grid, 0, "Number of Items:", itemCountEdit_);
  addLabelled(grid, 1, "Name for Menu:", nameEdit_);
  auto* listLabel = new QLabel(tr("Text / Links List:"), this);
  listLabel->setBuddy(list_);
  grid->addWidget(listLabel, 2, 0, 1, 3);
  grid->addWidget(list_, 3, 0, 1, 3);
  addLabelled(grid, 4, "Current Link:", linkEdit_);
  auto* browse = browseButton(this, "Button1");
  grid->addWidget(browse, 4, 2);
  addLabelled(grid, 5, "Current Text:", textEdit_);

  layOutFieldsAndButtons(this, grid);

  itemCountEdit_->setText("1");
  list_->setCurrentCell(1, 0);
  connect(itemCountEdit_, &UpDownEdit::textChanged, this, &NavigationMenuDialog::resizeList);
  connect(list_, &QTableWidget::cellClicked, this, [this](int row, int) { showRow(row); });
  connect(list_, &QTableWidget::currentCellChanged, this, [this](int row, int) { showRow(row); });
  connect(textEdit_, &QLineEdit::textChanged, this, &NavigationMenuDialog::writeText);
  connect(linkEdit_, &QLineEdit::textChanged, this, &NavigationMenuDialog::writeLink);
  connect(browse, &QPushButton::clicked, this, &NavigationMenuDialog::browseLink);
  dialogkit::fitToContent(this);
}

tags::NavigationFields NavigationMenuDialog::fields() const {
  tags::NavigationFields f;
  f.items = toUtf8(itemCountEdit_->text());
  f.name = toUtf8(nameEdit_->text());
  for (int r = list_->fixedRows(); r < list_->rowCount(); ++r) {
    f.list.push_back({toUtf8(list_->cell(0, r)), toUtf8(list_->cell(1, r))});
  }
  return f;
}

void NavigationMenuDialog::setFields(const tags::NavigationFields& f) {
  {
    // The list takes the rows given, whatever the Number of Items text says.
    const QSignalBlocker blocker(itemCountEdit_);
    itemCountEdit_->setText(fromUtf8(f.items));
  }
  nameEdit_->setText(fromUtf8(f.name));
  list_->setGridRowCount(static_cast<int>(f.list.size()) + list_->fixedRows());
  for (std::size_t i = 0; i < f.list.size(); ++i) {
    const int row = static_cast<int>(i) + list_->fixedRows();
    list_->setCell(0, row, fromUtf8(f.list[i].text));
    list_->setCell(1, row, fromUtf8(f.list[i].link));
  }
  showRow(list_->currentRow());
}

void NavigationMenuDialog::resizeList() {
  guarded([&] { list_->setGridRowCount(tags::navigationGridRows(toUtf8(itemCountEdit_->text()))); });
}

void NavigationMenuDialog::showRow(int row) {
  if (row < list_->fixedRows() || row >= list_->rowCount()) return;
  // Filling the boxes writes the same texts back into this row.
  textEdit_->setText(list_->cell(0, row));
  linkEdit_->setText(list_->cell(1, row));
}

void NavigationMenuDialog::writeText() {
  const int row = list_->currentRow();
  if (row >= list_->fixedRows()) list_->setCell(0, row, textEdit_->text());
}

void NavigationMenuDialog::writeLink() {
  const int row = list_->currentRow();
  if (row >= list_->fixedRows()) list_->setCell(1, row, linkEdit_->text());
}

void NavigationMenuDialog::browseLink() {
  const QString path = Prompter::instance().openFileName(tr("Insert a Link..."), QString(), kAllFilesFilter);
  if (!path.isEmpty()) linkEdit_->setText(path);
}

}  // namespace markloom
