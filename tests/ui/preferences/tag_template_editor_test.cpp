// The tag-template list editor on its own: the list it shows and gives back,
// the Current Item fields of Add and Edit, and Delete's question.
#include "ui/preferences/tag_template_editor.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "dialog_driver.h"
#include "scripted_prompter.h"

namespace markloom {
namespace {

using test::click;
using test::fill;

class TagTemplateEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor.setTemplates(templates);
    list = editor.findChild<QTreeWidget*>("TemplateList");
    currentItem = editor.findChild<QGroupBox*>("CurrentItem");
    ASSERT_NE(list, nullptr);
    ASSERT_NE(currentItem, nullptr);
  }
  QString text(const char* name) const {
    if (auto* code = editor.findChild<QPlainTextEdit*>(name)) return code->toPlainText();
    return editor.findChild<QLineEdit*>(name)->text();
  }

  test::ScriptedPrompter prompter;
  TagTemplateEditor editor;
  QTreeWidget* list = nullptr;
  QGroupBox* currentItem = nullptr;
  const std::vector<TagTemplate> templates{
      {"table", "a table", "<table>\r\n  <tr>\r\n</table>"}, {"br", "", "<br>"}, {"hr", "a rule", "<hr>"}};
};

TEST_F(TagTemplateEditorTest, ShowsTheTemplatesGivenAndNothingElse) {
  EXPECT_EQ(editor.templates(), templates);
  EXPECT_EQ(list->topLevelItem(0)->text(1), "table");
  EXPECT_EQ(list->topLevelItem(0)->text(2), "a table");
  const std::vector<TagTemplate> other{{"p", "a paragraph", "<p>\r\n</p>"}};
  editor.setTemplates(other);
  EXPECT_EQ(editor.templates(), other);
}

TEST_F(TagTemplateEditorTest, EditShowsTheCodeLineByLineAndDoneReplacesOnlyThatRow) {
  list->setCurrentItem(list->topLevelItem(0));
  click(&editor, "TemplateEdit");
  EXPECT_TRUE(currentItem->isEnabled());
  EXPECT_EQ(text("Keyword"), "table");
  EXPECT_EQ(text("Description"), "a table");
  EXPECT_EQ(text("Code"), "<table>\n  <tr>\n</table>");
  fill(&editor, "Keyword", "tbl");
  fill(&editor, "Code", "<table>\n</table>\n");
  click(&editor, "TemplateDone");
  EXPECT_FALSE(currentItem->isEnabled());
  EXPECT_EQ(text("Keyword"), "");
  EXPECT_EQ(text("Code"), "");
  // A last empty line is kept as a CR LF at the end.
  const std::vector<TagTemplate> expected{{"tbl", "a table", "<table>\r\n</table>\r\n"}, templates[1], templates[2]};
  EXPECT_EQ(editor.templates(), expected);
}

TEST_F(TagTemplateEditorTest, AddClearsTheFieldsAndDoneAppends) {
  list->setCurrentItem(list->topLevelItem(1));
  click(&editor, "TemplateEdit");
  click(&editor, "TemplateAdd");
  EXPECT_EQ(text("Keyword"), "");
  EXPECT_EQ(text("Code"), "");
  fill(&editor, "Keyword", "em");
  click(&editor, "TemplateDone");
  std::vector<TagTemplate> expected = templates;
  expected.push_back({"em", "", ""});
  EXPECT_EQ(editor.templates(), expected);
}

TEST_F(TagTemplateEditorTest, WithoutASelectedRowEditDeleteAndDoneChangeNothing) {
  // The row is current but not selected.
  list->setCurrentItem(list->topLevelItem(2));
  list->clearSelection();
  click(&editor, "TemplateEdit");
  EXPECT_FALSE(currentItem->isEnabled());
  EXPECT_EQ(text("Keyword"), "");
  click(&editor, "TemplateDelete");  // asks nothing: the prompter would fail the test
  click(&editor, "TemplateDone");
  EXPECT_EQ(editor.templates(), templates);
}

TEST_F(TagTemplateEditorTest, DeleteAsksAndOnlyYesRemovesTheRow) {
  struct Case {
    const char* name;
    Prompter::Answer answer;
    std::size_t rowsLeft;
  };
  const Case cases[] = {
      {"No", Prompter::Answer::No, 3},
      {"Cancel", Prompter::Answer::Cancel, 3},
      {"Yes", Prompter::Answer::Yes, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    editor.setTemplates(templates);
    prompter.messages.clear();
    prompter.answers = {c.answer};
    list->setCurrentItem(list->topLevelItem(1));
    click(&editor, "TemplateDelete");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Do you wish to delete this TagTemplate?");
    EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::YesNoCancel);
    const std::vector<TagTemplate> left = editor.templates();
    ASSERT_EQ(left.size(), c.rowsLeft);
    EXPECT_EQ(left.back().name, "hr");
    EXPECT_EQ(left.front().name, "table");
  }
}

}  // namespace
}  // namespace markloom
