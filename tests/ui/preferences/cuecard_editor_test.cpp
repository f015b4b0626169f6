// The HTML cuecard list editor on its own: the entries it shows and gives
// back, Update in place of the selected entry or at the end, and Add's
// question.
#include "ui/preferences/cuecard_editor.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>

#include "dialog_driver.h"
#include "scripted_prompter.h"

namespace markloom {
namespace {

using test::click;
using test::fill;

class CuecardEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor.setEntries({"a href=\"\"", "b", "i"});
    list = editor.findChild<QListWidget*>("CuecardList");
    ASSERT_NE(list, nullptr);
  }
  using Entries = std::vector<std::string>;

  test::ScriptedPrompter prompter;
  CuecardEditor editor;
  QListWidget* list = nullptr;
};

TEST_F(CuecardEditorTest, ShowsTheEntriesGivenAndNothingElse) {
  EXPECT_EQ(editor.entries(), Entries({"a href=\"\"", "b", "i"}));
  editor.setEntries({"p"});
  EXPECT_EQ(editor.entries(), Entries({"p"}));
  editor.setEntries({});
  EXPECT_EQ(editor.entries(), Entries());
}

TEST_F(CuecardEditorTest, UpdateReplacesTheSelectedEntryOrAppends) {
  emit list->itemDoubleClicked(list->item(2));
  EXPECT_EQ(editor.findChild<QLineEdit*>("CurrentSetting")->text(), "i");
  EXPECT_TRUE(editor.findChild<QLineEdit*>("CurrentSetting")->isReadOnly());
  list->setCurrentRow(2);
  fill(&editor, "NewSetting", "em");
  click(&editor, "CuecardUpdate");
  EXPECT_EQ(editor.entries(), Entries({"a href=\"\"", "b", "em"}));
  // Current but not selected: the new setting goes at the end.
  list->setCurrentRow(0);
  list->clearSelection();
  fill(&editor, "NewSetting", "strong");
  click(&editor, "CuecardUpdate");
  EXPECT_EQ(editor.entries(), Entries({"a href=\"\"", "b", "em", "strong"}));
}

TEST_F(CuecardEditorTest, AddAsksForATagAndRefusesAnEmptyOne) {
  struct Case {
    const char* name;
    std::optional<QString> answer;
    QStringList errors;
    Entries entries;
  };
  const Case cases[] = {
      {"Cancel", std::nullopt, {}, {"a href=\"\"", "b", "i"}},
      {"Empty", QString(), {"Please specify a new tag or click cancel."}, {"a href=\"\"", "b", "i"}},
      {"Tag", QString("blink"), {}, {"a href=\"\"", "b", "i", "blink"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    editor.setEntries({"a href=\"\"", "b", "i"});
    prompter.errors.clear();
    prompter.inputLabels.clear();
    prompter.inputs = {c.answer};
    click(&editor, "CuecardAdd");
    EXPECT_EQ(prompter.inputLabels, QStringList({"Tag:"}));
    EXPECT_EQ(prompter.errors, c.errors);
    EXPECT_EQ(editor.entries(), c.entries);
  }
}

}  // namespace
}  // namespace markloom
