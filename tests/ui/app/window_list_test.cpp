// The Window menu's document list and the end of the program.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "core/common/command_ids.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

QStringList openDocumentEntries(MainWindow& w) {
  QMenu* list = w.menu(ids::kOpenDocumentsMenu);
  emit list->aboutToShow();
  QStringList out;
  for (QAction* a : list->actions()) out << a->text() + (a->isChecked() ? "*" : "");
  return out;
}

class WindowList : public ::testing::Test {
 protected:
  TempHome home;
  ScriptedPrompter prompter;
};

TEST_F(WindowList, ListsCreationCaptionsAndMarksTheActiveDocument) {
  MainWindow w;
  w.show();
  DocumentWindow* first = w.createDocument();
  w.createDocument();
  DocumentWindow* third = w.createDocument();
  ASSERT_TRUE(first && third);
  w.documentArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(third->parentWidget()));
  EXPECT_EQ(openDocumentEntries(w), QStringList({"Document1", "Document2", "Document3*"}));
  // Choosing an entry brings that window to the front.
  w.menu(ids::kOpenDocumentsMenu)->actions().at(0)->trigger();
  EXPECT_EQ(w.activeDocument(), first);
}

TEST_F(WindowList, AnOpenedFileKeepsItsCreationCaptionInTheList) {
  home.write("page.htm", "<p>x</p>\r\n");
  MainWindow w;
  w.show();
  DocumentWindow* doc = w.openDocument(home.file("page.htm"));
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->windowTitle(), home.file("page.htm"));
  EXPECT_EQ(openDocumentEntries(w), QStringList({"Document1*"}));
}

TEST_F(WindowList, ClosedWindowsLeaveTheListAndCaptionsAreNotReused) {
  MainWindow w;
  w.show();
  DocumentWindow* first = w.createDocument();
  w.createDocument();
  ASSERT_TRUE(first->parentWidget()->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  w.createDocument();
  EXPECT_EQ(openDocumentEntries(w), QStringList({"Document2", "Document3*"}));
}

TEST_F(WindowList, ExitAsksEachModifiedDocumentAndCancelKeepsTheProgram) {
  MainWindow w;
  w.show();
  DocumentWindow* doc = w.createDocument();
  doc->document().editorOps().insertAtCaret("typed");
  doc->document().setModified(true);
  prompter.answers.push_back(Prompter::Answer::Cancel);
  w.action(ids::kExit)->trigger();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Save changes to UNTITLED?");
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.documents().size(), 1);
  prompter.answers.push_back(Prompter::Answer::No);
  w.action(ids::kExit)->trigger();
  EXPECT_FALSE(w.isVisible());
}

TEST_F(WindowList, WindowCommandsDoNothingWithNoDocument) {
  MainWindow w;
  w.show();
  for (std::string_view id : {ids::kTileWindows, ids::kCascadeWindows, ids::kNextWindow, ids::kPreviousWindow})
    w.action(id)->trigger();
  EXPECT_EQ(openDocumentEntries(w), QStringList());
  EXPECT_TRUE(prompter.errors.isEmpty());
}

}  // namespace
}  // namespace markloom
