// The CFML Expression Builder: operator buttons, the category tree and list,
// and what OK writes.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include "builder_host.h"
#include "core/text/line_list.h"
#include "platform/editor/markloom_editor.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/markup/dialogs/cfml_expression_dialog.h"

namespace markloom {
namespace {

using Lines = std::vector<std::string>;
using test::click;

QStringList listEntries(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

QTreeWidgetItem* node(QTreeWidget* tree, const QString& text) {
  const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  return found.size() == 1 ? found.first() : nullptr;
}

class ColdForm : public ::testing::Test {
 protected:
  QStringList fileEntries(const QString& relative) {
    QStringList out;
    for (const std::string& e : readLineList(home.file(relative).toStdString())) out << QString::fromLatin1(e);
    return out;
  }
  test::TempHome home;
  test::ScriptedPrompter prompter;
  CfmlExpressionDialog form;
  QTreeWidget* tree = form.findChild<QTreeWidget*>("TreeView1");
  QListWidget* list = form.findChild<QListWidget*>("ListBox1");
};

TEST_F(ColdForm, OpensEmptyWithTheChoosePrompt) {
  EXPECT_EQ(form.windowTitle(), "CFML Expression Builder");
  EXPECT_TRUE(form.expressionLines().empty());
  EXPECT_EQ(listEntries(list), QStringList{"Please choose a type"});
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->topLevelItemCount(), 3);
  EXPECT_EQ(tree->topLevelItem(0)->childCount() + tree->topLevelItem(1)->childCount() +
                tree->topLevelItem(2)->childCount(),
            21);
}

TEST_F(ColdForm, PlusThenMinusLeavesMinusPlusWithTheCaretInFront) {
  click(&form, "Button1");
  click(&form, "Button2");
  EXPECT_EQ(form.expressionLines(), (Lines{"-+"}));
  EXPECT_EQ(form.expression().caret(), (TextPosition{0, 0}));
}

TEST_F(ColdForm, OperatorButtonsInsertTheirTexts) {
  // Pressed last to first, so the expression reads in button order.
  for (int i = 17; i >= 1; --i) click(&form, QStringLiteral("Button%1").arg(i));
  EXPECT_EQ(form.expressionLines(), (Lines{"+-/*&=><<>notorandxor#..#\"..\"(..)[..]"}));
}

TEST_F(ColdForm, LeafClickLoadsItsFileAndTopNodeChangesNothing) {
  form.TreeView1Click(node(tree, "Decision"));
  EXPECT_EQ(listEntries(list), fileEntries("Extensions/Cfml/Functions/decision.cfx"));
  form.TreeView1Click(node(tree, "Functions"));
  EXPECT_EQ(listEntries(list), fileEntries("Extensions/Cfml/Functions/decision.cfx"));
  form.TreeView1Click(node(tree, "Logical Operators"));
  EXPECT_EQ(listEntries(list), fileEntries("Extensions/Cfml/Operators/logical operators.cfx"));
  form.TreeView1Click(node(tree, "Structures"));
  EXPECT_EQ(listEntries(list), fileEntries("Extensions/Cfml/Functions/structure.cfx"));
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(ColdForm, EveryLeafHasItsFile) {
  int leaves = 0;
  for (int t = 0; t < tree->topLevelItemCount(); ++t) {
    for (int c = 0; c < tree->topLevelItem(t)->childCount(); ++c) {
      QTreeWidgetItem* leaf = tree->topLevelItem(t)->child(c);
      form.TreeView1Click(leaf);
      EXPECT_GT(list->count(), 0) << leaf->text(0).toStdString();
      ++leaves;
    }
  }
  EXPECT_EQ(leaves, 21);
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join('\n').toStdString();
}

TEST_F(ColdForm, DoubleClickInsertsTheEntryAtTheCaret) {
  form.show();
  form.TreeView1Click(node(tree, "Logical Operators"));
  QListWidgetItem* item = list->findItems("AND", Qt::MatchExactly).value(0);
  ASSERT_NE(item, nullptr);
  list->scrollToItem(item);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  click(&form, "Button1");
  EXPECT_EQ(form.expressionLines(), (Lines{"+AND"}));
}

TEST_F(ColdForm, ThePromptEntryIsInsertedLikeAnyOther) {
  list->setCurrentRow(0);
  form.ListBox1DblClick();
  EXPECT_EQ(form.expressionLines(), (Lines{"Please choose a type"}));
}

TEST_F(ColdForm, MissingCategoryFileEmptiesTheListAndDoubleClickWarns) {
  ASSERT_TRUE(QFile::remove(home.file("Extensions/Cfml/Functions/arrays.cfx")));
  form.TreeView1Click(node(tree, "Arrays"));
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_TRUE(prompter.errors[0].startsWith("Cannot open file ")) << prompter.errors[0].toStdString();
  EXPECT_EQ(list->count(), 0);
  prompter.answers = {Prompter::Answer::Ok};
  form.show();
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Please select a type first.");
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Warning);
  EXPECT_TRUE(form.expressionLines().empty());
}

class ColdFusionBuilderCommand : public ::testing::Test {
 protected:
  test::TempHome home;
  test::ScriptedPrompter prompter;
  test::BuilderHost host;
};

TEST_F(ColdFusionBuilderCommand, OkInsertsTheExpressionLinesAsABlock) {
  host.first.setCaret({0, 1});
  test::whenModal("TColdForm", [](QDialog* d) {
    auto* form = static_cast<CfmlExpressionDialog*>(d);
    form->editor()->setText("#Len(x)#\n+ 1");
    click(d, "Button18");
  });
  host.action("ColdFusionBuilder1")->trigger();
  EXPECT_EQ(host.first.Lines(), (Lines{"a#Len(x)#", "+ 1", "b"}));
}

TEST_F(ColdFusionBuilderCommand, OpensWithoutADocumentAndThenInsertsNothing) {
  host.active = nullptr;
  bool opened = false;
  test::whenModal("TColdForm", [&](QDialog* d) {
    opened = true;
    click(d, "Button1");
    click(d, "Button18");
  });
  host.action("ColdFusionBuilder1")->trigger();
  EXPECT_TRUE(opened);
  EXPECT_EQ(host.first.Lines(), (Lines{"ab"}));
}

TEST_F(ColdFusionBuilderCommand, CancelInsertsNothingAndTheNextOpeningStartsEmpty) {
  test::whenModal("TColdForm", [](QDialog* d) {
    click(d, "Button3");
    click(d, "Button19");
  });
  host.action("ColdFusionBuilder1")->trigger();
  EXPECT_EQ(host.first.Lines(), (Lines{"ab"}));
  bool empty = false;
  test::whenModal("TColdForm", [&](QDialog* d) {
    empty = static_cast<CfmlExpressionDialog*>(d)->expressionLines().empty();
    click(d, "Button19");
  });
  host.action("ColdFusionBuilder1")->trigger();
  EXPECT_TRUE(empty);
}

}  // namespace
}  // namespace markloom
