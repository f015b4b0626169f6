// The CFML Expression Builder: operator buttons, the category tree and list,
// and the expression it gives back. What OK inserts is tested with the commands.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include "support/dialog_driver.h"
#include "support/scripted_prompter.h"
#include "support/temp_home.h"
#include "ui/markup/dialogs/cfml_expression_dialog.h"

namespace markloom::test {
namespace {

using Lines = std::vector<std::string>;

QTreeWidgetItem* node(QTreeWidget* tree, const QString& text) {
  const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  return found.size() == 1 ? found.first() : nullptr;
}

class CfmlExpressionDialogTest : public ::testing::Test {
 protected:
  Lines expression() const { return form.fields().lines; }
  TempHome home;
  ScriptedPrompter prompter;
  CfmlExpressionDialog form;
  QTreeWidget* tree = form.findChild<QTreeWidget*>("TreeView1");
  QListWidget* list = form.findChild<QListWidget*>("ListBox1");
};

TEST_F(CfmlExpressionDialogTest, OpensEmptyWithTheChoosePrompt) {
  EXPECT_EQ(form.windowTitle(), "CFML Expression Builder");
  EXPECT_TRUE(expression().empty());
  EXPECT_EQ(itemTexts(list), QStringList{"Please choose a type"});
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->topLevelItemCount(), 3);
  EXPECT_EQ(
      tree->topLevelItem(0)->childCount() + tree->topLevelItem(1)->childCount() + tree->topLevelItem(2)->childCount(),
      21);
}

TEST_F(CfmlExpressionDialogTest, FieldsRoundTrip) {
  const tags::CfmlExpressionFields f{{"#Len(x)#", "+ 1"}};
  form.setFields(f);
  EXPECT_EQ(form.fields(), f);
}

TEST_F(CfmlExpressionDialogTest, PlusThenMinusLeavesMinusPlusWithTheCaretInFront) {
  click(&form, "Button1");
  click(&form, "Button2");
  EXPECT_EQ(expression(), (Lines{"-+"}));
  EXPECT_EQ(form.expression().caret(), (TextPosition{0, 0}));
}

TEST_F(CfmlExpressionDialogTest, OperatorButtonsInsertTheirTexts) {
  // Pressed last to first, so the expression reads in button order.
  for (int i = 17; i >= 1; --i) click(&form, QStringLiteral("Button%1").arg(i));
  EXPECT_EQ(expression(), (Lines{"+-/*&=><<>notorandxor#..#\"..\"(..)[..]"}));
}

TEST_F(CfmlExpressionDialogTest, LeafClickLoadsItsFileAndTopNodeChangesNothing) {
  form.showCategory(node(tree, "Decision"));
  EXPECT_EQ(itemTexts(list), home.lines("Extensions/Cfml/Functions/decision.cfx"));
  form.showCategory(node(tree, "Functions"));
  EXPECT_EQ(itemTexts(list), home.lines("Extensions/Cfml/Functions/decision.cfx"));
  form.showCategory(node(tree, "Logical Operators"));
  EXPECT_EQ(itemTexts(list), home.lines("Extensions/Cfml/Operators/logical operators.cfx"));
  form.showCategory(node(tree, "Structures"));
  EXPECT_EQ(itemTexts(list), home.lines("Extensions/Cfml/Functions/structure.cfx"));
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(CfmlExpressionDialogTest, EveryLeafHasItsFile) {
  int leaves = 0;
  for (int t = 0; t < tree->topLevelItemCount(); ++t) {
    for (int c = 0; c < tree->topLevelItem(t)->childCount(); ++c) {
      QTreeWidgetItem* leaf = tree->topLevelItem(t)->child(c);
      form.showCategory(leaf);
      EXPECT_GT(list->count(), 0) << leaf->text(0).toStdString();
      ++leaves;
    }
  }
  EXPECT_EQ(leaves, 21);
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join('\n').toStdString();
}

TEST_F(CfmlExpressionDialogTest, DoubleClickInsertsTheEntryAtTheCaret) {
  form.show();
  form.showCategory(node(tree, "Logical Operators"));
  QListWidgetItem* item = list->findItems("AND", Qt::MatchExactly).value(0);
  ASSERT_NE(item, nullptr);
  list->scrollToItem(item);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  click(&form, "Button1");
  EXPECT_EQ(expression(), (Lines{"+AND"}));
}

TEST_F(CfmlExpressionDialogTest, ThePromptEntryIsInsertedLikeAnyOther) {
  list->setCurrentRow(0);
  form.insertEntry();
  EXPECT_EQ(expression(), (Lines{"Please choose a type"}));
}

TEST_F(CfmlExpressionDialogTest, MissingCategoryFileEmptiesTheListAndDoubleClickWarns) {
  ASSERT_TRUE(QFile::remove(home.file("Extensions/Cfml/Functions/arrays.cfx")));
  form.showCategory(node(tree, "Arrays"));
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_TRUE(prompter.errors[0].startsWith("Cannot open file ")) << prompter.errors[0].toStdString();
  EXPECT_EQ(list->count(), 0);
  prompter.answers = {Prompter::Answer::Ok};
  form.show();
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Please select a type first.");
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Warning);
  EXPECT_TRUE(expression().empty());
}

}  // namespace
}  // namespace markloom::test
