// The documents open at a clean exit come back at the next start.
#include <gtest/gtest.h>

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "core/workspace/session.h"
#include "platform/editor/markloom_editor.h"
#include "platform/settings/ini_settings_store.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

class SessionRestoreTest : public ::testing::Test {
 protected:
  QString page(const QString& name, int lines) {
    QByteArray text;
    for (int i = 1; i <= lines; ++i) text += name.toUtf8() + " line " + QByteArray::number(i) + "\r\n";
    home.write(name, text);
    return home.file(name);
  }
  static int caretLine(DocumentWindow* doc) {
    int line = 0, index = 0;
    doc->editor()->getCursorPosition(&line, &index);
    return line;
  }
  static void activate(MainWindow& w, DocumentWindow* doc) {
    for (QMdiSubWindow* sub : w.documentArea()->subWindowList())
      if (sub->widget() == doc) w.documentArea()->setActiveSubWindow(sub);
  }

  TempHome home;
  ScriptedPrompter prompter;
};

TEST_F(SessionRestoreTest, ThreeDocumentsComeBackWithTheirCaretLinesAndTheActiveOne) {
  const QString a = page("a.html", 50), b = page("b.css", 200), c = page("c.js", 10);
  {
    MainWindow w;
    w.show();
    MainWindow::goToLine(w.openDocument(a), 12);
    DocumentWindow* second = w.openDocument(b);
    MainWindow::goToLine(second, 150);
    MainWindow::goToLine(w.openDocument(c), 3);
    w.createDocument();  // untitled: nothing to reopen
    activate(w, second);
    ASSERT_TRUE(w.close());
  }
  MainWindow w;
  w.show();
  w.restoreSession();
  const QList<DocumentWindow*> docs = w.documents();
  ASSERT_EQ(docs.size(), 3);
  EXPECT_EQ(docs[0]->document().fileName(), a);
  EXPECT_EQ(docs[1]->document().fileName(), b);
  EXPECT_EQ(docs[2]->document().fileName(), c);
  EXPECT_EQ(caretLine(docs[0]), 11);
  EXPECT_EQ(caretLine(docs[1]), 149);
  EXPECT_EQ(caretLine(docs[2]), 2);
  EXPECT_EQ(w.activeDocument(), docs[1]);
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

TEST_F(SessionRestoreTest, AFileThatIsGoneIsSkippedWithANote) {
  const QString a = page("a.html", 5), gone = page("gone.html", 5);
  {
    MainWindow w;
    w.show();
    w.openDocument(a);
    w.openDocument(gone);
    ASSERT_TRUE(w.close());
  }
  QFile::remove(gone);
  MainWindow w;
  w.show();
  w.restoreSession();
  ASSERT_EQ(w.documents().size(), 1);
  EXPECT_EQ(w.documents()[0]->document().fileName(), a);
  EXPECT_EQ(w.statusText(2), "Not reopened, no longer there: gone.html");
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

TEST_F(SessionRestoreTest, ACancelledExitKeepsNoSessionAndTheOptionTurnsRestoringOff) {
  const QString a = page("a.html", 5);
  {
    MainWindow w;
    w.show();
    w.openDocument(a)->document().setModified(true);
    prompter.answers.push_back(Prompter::Answer::Cancel);
    EXPECT_FALSE(w.close());
    EXPECT_EQ(
        [] {
          IniSettingsStore s;
          return readSession(s);
        }(),
        Session{});
    prompter.answers.push_back(Prompter::Answer::No);
    ASSERT_TRUE(w.close());
  }
  {
    IniSettingsStore store;
    EXPECT_EQ(readSession(store).documents.size(), 1u);
    store.write(kSessionKey, "Restore", "False");
    store.sync();
  }
  MainWindow w;
  w.show();
  w.restoreSession();
  EXPECT_TRUE(w.documents().isEmpty());
}

}  // namespace
}  // namespace markloom
