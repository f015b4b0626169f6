// The string grid's row keys and the two dialogs built on it: the table grid
// following Columns and Rows, the navigation list following Number of Items
// and the Current Text / Current Link boxes. What the commands insert from
// them is tested with the commands.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "support/scripted_prompter.h"
#include "ui/markup/dialogs/cell_grid.h"
#include "ui/markup/dialogs/navigation_menu_dialog.h"
#include "ui/markup/dialogs/table_dialog.h"

namespace markloom::test {
namespace {

using Lines = std::vector<std::string>;

class GridTest : public ::testing::Test {
 protected:
  GridTest() {
    grid.setColCount(3);
    grid.setGridRowCount(3);
    grid.setFixedCols(1);
    for (int r = 0; r < 3; ++r) grid.setCell(1, r, QString("r%1").arg(r));
  }
  QStringList column1() const {
    QStringList l;
    for (int r = 0; r < grid.rowCount(); ++r) l << grid.cell(1, r);
    return l;
  }
  ScriptedPrompter prompter;
  CellGrid grid;
};

TEST_F(GridTest, DownOnTheLastRowAppendsAndMovesThere) {
  grid.setCurrentCell(1, 1);
  QTest::keyClick(&grid, Qt::Key_Down);
  EXPECT_EQ(grid.rowCount(), 3);
  EXPECT_EQ(grid.currentRow(), 2);
  QTest::keyClick(&grid, Qt::Key_Down);
  EXPECT_EQ(grid.rowCount(), 4);
  EXPECT_EQ(grid.currentRow(), 3);
  EXPECT_EQ(column1(), (QStringList{"r0", "r1", "r2", ""}));
  // The new row is a normal, editable row; its fixed cell is not editable.
  EXPECT_TRUE(grid.item(3, 1)->flags() & Qt::ItemIsEditable);
  EXPECT_FALSE(grid.item(3, 0)->flags() & Qt::ItemIsEditable);
}

TEST_F(GridTest, InsertPutsAnEmptyRowAtTheCurrentOne) {
  grid.setCurrentCell(1, 1);
  QTest::keyClick(&grid, Qt::Key_Insert);
  EXPECT_EQ(column1(), (QStringList{"r0", "", "r1", "r2"}));
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(GridTest, CtrlDeleteAsksAndRemovesOnOk) {
  grid.setCurrentCell(1, 1);
  prompter.answers = {Prompter::Answer::Cancel, Prompter::Answer::Ok};
  QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(column1(), (QStringList{"r0", "r1", "r2"}));
  QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(column1(), (QStringList{"r0", "r2"}));
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].text, "Are you sure you want to delete this row?");
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Question);
  EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::OkCancel);
  // Two rows left: no question, nothing removed.
  QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(grid.rowCount(), 2);
  EXPECT_EQ(prompter.messages.size(), 2u);
}

TEST_F(GridTest, DraggingAColumnMovesItsCells) {
  grid.setSizingAndMoving(true);
  grid.setCell(2, 0, "h2");
  grid.horizontalHeader()->moveSection(2, 1);
  EXPECT_EQ(grid.cell(1, 0), "h2");
  EXPECT_EQ(grid.cell(2, 0), "r0");
  EXPECT_EQ(grid.horizontalHeader()->visualIndex(1), 1);
  // The fixed column stays where it is.
  grid.horizontalHeader()->moveSection(1, 0);
  EXPECT_EQ(grid.cell(1, 0), "h2");
}

TEST_F(GridTest, HtmlTableSkipsTheFixedColumn) {
  grid.setCell(0, 1, "fixed");
  grid.setCell(2, 2, "a&b");
  EXPECT_EQ(grid.htmlTable(), (Lines{"<table border=1>", "<tr>", "<th nowrap>r0</th>", "<th nowrap><br></th>", "</tr>",
                                     "<tr>", "<td nowrap>r1</td>", "<td nowrap><br></td>", "</tr>", "<tr>",
                                     "<td nowrap>r2</td>", "<td nowrap>a&b</td>", "</tr>", "</table><p>"}));
}

TEST(TableDialogTest, GridFollowsColumnsAndRows) {
  ScriptedPrompter prompter;
  TableDialog form;
  EXPECT_EQ(form.windowTitle(), "Create a Table...");
  EXPECT_EQ(form.fields(), tags::TableFields{});
  CellGrid* grid = form.grid();
  EXPECT_EQ(grid->objectName(), "Grid2");
  EXPECT_EQ(grid->colCount(), 5);
  EXPECT_EQ(grid->rowCount(), 3);
  EXPECT_EQ(grid->columnWidth(0), 16);
  EXPECT_EQ(grid->rowHeight(1), 16);
  auto* cols = form.findChild<QLineEdit*>("EditCols");
  auto* rows = form.findChild<QLineEdit*>("EditRows");
  cols->setText("2");
  rows->setText("6");
  EXPECT_EQ(grid->colCount(), 3);
  EXPECT_EQ(grid->rowCount(), 6);
  // Typing a non-number: the conversion error, and the grid keeps its size.
  cols->clear();
  QTest::keyClicks(cols, "7x");
  EXPECT_EQ(prompter.errors, (QStringList{"'' is not a valid integer value", "'7x' is not a valid integer value"}));
  EXPECT_EQ(grid->colCount(), 8);
  // The up-down arrows step the number.
  QTest::mouseClick(form.findChild<QToolButton*>("UpDown2Up"), Qt::LeftButton);
  EXPECT_EQ(rows->text(), "7");
  EXPECT_EQ(grid->rowCount(), 7);
}

TEST(NavigationMenuDialogTest, ListFollowsItemsAndTheCurrentBoxes) {
  ScriptedPrompter prompter;
  NavigationMenuDialog form;
  EXPECT_EQ(form.windowTitle(), "Insert Navigation Menu...");
  CellGrid* list = form.grid();
  EXPECT_EQ(list->objectName(), "NavGrid");
  EXPECT_EQ(list->cell(0, 0), "Text for Link");
  EXPECT_EQ(list->cell(1, 0), "Hyperlink/Address");
  EXPECT_EQ(list->rowCount(), 2);
  EXPECT_EQ(form.fields().items, "1");

  auto* items = form.findChild<QLineEdit*>("EditItems");
  auto* text = form.findChild<QLineEdit*>("EditText");
  auto* link = form.findChild<QLineEdit*>("EditLink");
  items->setText("3");
  EXPECT_EQ(list->rowCount(), 4);
  items->setText("three");
  EXPECT_EQ(prompter.errors, QStringList{"'three' is not a valid integer value"});
  EXPECT_EQ(list->rowCount(), 4);

  // Editing the boxes writes into the current row.
  list->setCurrentCell(1, 0);
  text->setText("Home");
  link->setText("index.htm");
  list->setCurrentCell(2, 0);
  QTest::keyClicks(text, "News");
  QTest::keyClicks(link, "news.htm");
  // Clicking a row copies its cells into the boxes.
  const QRect first = list->visualItemRect(list->item(1, 1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(text->text(), "Home");
  EXPECT_EQ(link->text(), "index.htm");

  form.findChild<QLineEdit*>("EditName")->setText("m");
  const tags::NavigationFields f = form.fields();
  EXPECT_EQ(f.name, "m");
  EXPECT_EQ(f.list, (std::vector<tags::NavigationItem>{{"Home", "index.htm"}, {"News", "news.htm"}, {"", ""}}));
  EXPECT_EQ(tags::navigationMarkup(f).lines[3], R"(<option value="index.htm">Home)");
  EXPECT_EQ(tags::navigationMarkup(f).lines[5], R"(<option value="">)");
}

TEST(NavigationMenuDialogTest, BrowseFillsCurrentLinkAndTheRow) {
  ScriptedPrompter prompter;
  prompter.fileNames = {"/site/page.htm"};
  NavigationMenuDialog form;
  form.findChild<QPushButton*>("Button1")->click();
  EXPECT_EQ(prompter.fileCaptions, QStringList{"Insert a Link..."});
  EXPECT_EQ(prompter.lastFilter, "All Files (*)");
  EXPECT_EQ(form.findChild<QLineEdit*>("EditLink")->text(), "/site/page.htm");
  EXPECT_EQ(form.fields().list, (std::vector<tags::NavigationItem>{{"", "/site/page.htm"}}));
}

TEST(TableDialogTest, FieldsRoundTripWithTheGridsCells) {
  TableDialog form;
  tags::TableFields f;
  f.columns = "2";
  f.rows = "2";
  f.border = "1";
  f.width = "50%";
  f.cells = {{"", "h1", "h2"}, {"", "d1", "d\u00e9"}};
  form.setFields(f);
  EXPECT_EQ(form.grid()->colCount(), 3);
  EXPECT_EQ(form.grid()->rowCount(), 2);
  EXPECT_EQ(form.fields(), f);
}

TEST(NavigationMenuDialogTest, FieldsRoundTrip) {
  NavigationMenuDialog form;
  const tags::NavigationFields f{"2", "menu", {{"a", "a.htm"}, {"b", "b.htm"}}};
  form.setFields(f);
  EXPECT_EQ(form.fields(), f);
}

}  // namespace
}  // namespace markloom::test

namespace markloom::test {
namespace {

// While a cell is being edited the keys still reach the grid.
TEST_F(GridTest, DownWhileEditingTheLastRowAppends) {
  grid.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  grid.setCurrentCell(2, 1);
  grid.editItem(grid.item(2, 1));
  QWidget* editor = QApplication::focusWidget();
  ASSERT_NE(editor, nullptr);
  ASSERT_NE(editor, &grid);
  QTest::keyClicks(editor, "x");
  ASSERT_TRUE(qobject_cast<QLineEdit*>(editor)) << editor->metaObject()->className();
  EXPECT_EQ(qobject_cast<QLineEdit*>(editor)->text(), "x");
  QTest::keyClick(editor, Qt::Key_Down);
  EXPECT_EQ(grid.currentRow(), 3);
  EXPECT_EQ(grid.rowCount(), 4);
  EXPECT_EQ(grid.cell(1, 2), "x");
}

}  // namespace
}  // namespace markloom::test
