// What the user sees of a document's state: the caret's place in the first
// status panel, the " *" mark of a modified document, the save point, and a
// line-number margin as wide as the numbers.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolBar>

#include "core/document/editor_ops.h"
#include "core/settings/settings_schema.h"
#include "platform/editor/markloom_editor.h"
#include "platform/settings/ini_settings_store.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"
#include "ui/document/find_dialog.h"
#include "ui/editing/document_commands.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

class StatusAndCaption : public ::testing::Test {
 protected:
  void SetUp() override {
    IniSettingsStore store;
    writeInstallationDefaults(store);
    store.write("", "Line Numbers", "True");
    store.write("", "Show Gutter", "True");
    store.sync();
    window.show();
  }
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow window;
};

// The editor tells where the caret is when it next updates its view.
void settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

TEST_F(StatusAndCaption, CaretPanelFollowsTheActiveDocument) {
  DocumentWindow* first = window.createDocument();
  first->document().editorOps().setLines({"one", "two words", "three"});
  first->document().editorOps().setCaret({1, 4});
  settle();
  EXPECT_EQ(window.statusText(1), "2 : 5");
  DocumentWindow* second = window.createDocument();
  second->document().editorOps().setLines({"x"});
  second->document().editorOps().setCaret({0, 0});
  settle();
  EXPECT_EQ(window.statusText(1), "1 : 1");
  window.documentArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
  settle();
  EXPECT_EQ(window.statusText(1), "2 : 5");
}

TEST_F(StatusAndCaption, ModifiedMarkAndTheSavePoint) {
  home.write("page.htm", "<p>saved</p>\r\n");
  DocumentWindow* doc = window.openDocument(home.file("page.htm"));
  EXPECT_EQ(doc->windowTitle(), home.file("page.htm"));
  doc->document().editorOps().setCaret({0, 0});
  doc->editor()->setFocus();
  QTest::keyClicks(doc->editor(), "ab");
  EXPECT_TRUE(doc->document().isModified());
  EXPECT_EQ(doc->windowTitle(), home.file("page.htm") + " *");
  // Undoing back to the saved text is the saved state again: no mark, no question.
  while (doc->editor()->isUndoAvailable()) doc->document().editorOps().undo();
  EXPECT_FALSE(doc->document().isModified());
  EXPECT_EQ(doc->windowTitle(), home.file("page.htm"));
  // A mark set on purpose (the file vanished, say) stays through undo.
  doc->document().setModified(true);
  EXPECT_EQ(doc->windowTitle(), home.file("page.htm") + " *");
  doc->document().save();
  EXPECT_EQ(doc->windowTitle(), home.file("page.htm"));
}

TEST_F(StatusAndCaption, LineNumberMarginGrowsWithTheDigits) {
  DocumentWindow* doc = window.createDocument();
  MarkloomEditor* e = doc->editor();
  const int fiveDigits = e->marginWidth(0);
  ASSERT_GT(fiveDigits, 0);
  // The margin is fitted when the changed text is next brought on screen.
  const auto shown = [e] {
    e->viewport()->repaint();
    QCoreApplication::processEvents();
  };
  doc->document().editorOps().setLines(std::vector<std::string>(345000, "x"));
  shown();
  EXPECT_GT(e->marginWidth(0), fiveDigits);  // six digits: 344821 shows whole
  doc->document().editorOps().setLines({"x"});
  shown();
  EXPECT_EQ(e->marginWidth(0), fiveDigits);
}

TEST_F(StatusAndCaption, AMissingFileFromTheCommandLineBecomesANewDocumentOfThatName) {
  const QString path = home.file("nosuch.htm");
  DocumentWindow* doc = window.openFromCommandLine(path);
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
  ASSERT_EQ(window.documents().size(), 1);
  EXPECT_EQ(doc->document().fileName(), path);
  EXPECT_EQ(doc->windowTitle(), path);
  EXPECT_TRUE(doc->document().editorOps().lines().empty());
  EXPECT_FALSE(QFileInfo::exists(path));  // made by the first save
  doc->document().editorOps().setLines({"<p>new</p>"});
  doc->document().save();
  EXPECT_EQ(home.read("nosuch.htm"), "<p>new</p>\r\n");

  home.write("there.htm", "<p>there</p>\r\n");
  EXPECT_EQ(window.openFromCommandLine(home.file("there.htm"))->document().editorOps().lines(),
            std::vector<std::string>({"<p>there</p>"}));
}

TEST_F(StatusAndCaption, F3AndShiftF3RepeatTheLastSearchAndWrap) {
  DocumentWindow* doc = window.createDocument();
  doc->document().editorOps().setLines({"cat dog", "dog cat", "bird"});
  doc->document().editorOps().setCaret({0, 0});
  auto* commands = window.findChild<DocumentCommands*>();
  ASSERT_NE(commands, nullptr);
  commands->find();
  FindDialog* dialog = commands->findDialog();
  ASSERT_NE(dialog, nullptr);
  dialog->setFindText("dog");
  ASSERT_TRUE(dialog->findNext());
  dialog->close();
  auto caret = [&] { return doc->document().editorOps().caret(); };
  EXPECT_EQ(caret(), (TextPosition{0, 7}));  // after the first "dog"
  QAction* next = window.findChild<QAction*>("FindNextAgain");
  QAction* previous = window.findChild<QAction*>("FindPreviousAgain");
  ASSERT_TRUE(next && previous);
  EXPECT_EQ(next->shortcut(), QKeySequence(Qt::Key_F3));
  EXPECT_EQ(previous->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F3));
  next->trigger();
  EXPECT_EQ(caret(), (TextPosition{1, 3}));
  EXPECT_EQ(window.statusText(2), "Ready");
  next->trigger();  // no more below: from the top again
  EXPECT_EQ(caret(), (TextPosition{0, 7}));
  EXPECT_EQ(window.statusText(2), "Search wrapped");
  previous->trigger();         // backward from the first one wraps to the last
  EXPECT_EQ(caret().line, 1);  // the "dog" of "dog cat"
  EXPECT_EQ(doc->document().editorOps().selectedText(), "dog");
  EXPECT_EQ(window.statusText(2), "Search wrapped");
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(StatusAndCaption, TheHighlightersBoxComesFirstOnTheOptionsBar) {
  DocumentWindow* doc = window.createDocument();
  QToolBar* bar = doc->optionsBar();
  ASSERT_FALSE(bar->actions().isEmpty());
  EXPECT_EQ(bar->widgetForAction(bar->actions().first()), static_cast<QWidget*>(doc->highlighterBox()));
}

}  // namespace
}  // namespace markloom
