// File > Recent Files: order, limit, greyed missing files, and choosing an entry.
#include "ui/app/recent_files_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMenu>

#include "core/common/command_ids.h"
#include "platform/editor/markloom_editor.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

class RecentFilesMenuTest : public ::testing::Test {
 protected:
  QString page(const QString& name) {
    home.write("pages/" + name, "<p>" + name.toUtf8() + "</p>\r\n");
    return home.file("pages/" + name);
  }
  static QStringList captions(const MainWindow& w) {
    w.recentFiles()->rebuild();
    QStringList out;
    for (const QAction* a : w.recentFiles()->menu()->actions()) out << a->text();
    return out;
  }
  static QAction* entry(const MainWindow& w, int index) {
    w.recentFiles()->rebuild();
    return w.recentFiles()->menu()->actions().at(index);
  }

  TempHome home;
  ScriptedPrompter prompter;
};

TEST_F(RecentFilesMenuTest, TheLastTenOpenedOrSavedNewestFirstKeptForTheNextRun) {
  {
    MainWindow w;
    w.show();
    EXPECT_EQ(w.action(ids::kRecentFiles)->menu(), w.recentFiles()->menu());
    EXPECT_EQ(captions(w), QStringList{"(none)"});
    for (int i = 1; i <= 11; ++i) w.openDocument(page(QString("p%1.html").arg(i)));
    DocumentWindow* saved = w.openDocument(page("p1.html"));  // out of the list by now
    saved->document().save();
    const QStringList shown = captions(w);
    ASSERT_EQ(shown.size(), 10);
    EXPECT_EQ(shown[0], "&1 " + home.file("pages/p1.html"));
    EXPECT_EQ(shown[1], "&2 " + home.file("pages/p11.html"));
    EXPECT_EQ(shown[9], "&0 " + home.file("pages/p3.html"));
  }
  MainWindow again;
  EXPECT_EQ(captions(again).first(), "&1 " + home.file("pages/p1.html"));
  EXPECT_EQ(captions(again).size(), 10);
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

TEST_F(RecentFilesMenuTest, MissingFilesAreGreyedAndChoosingAnEntryOpensOrActivates) {
  MainWindow w;
  w.show();
  const QString kept = page("kept.html");
  const QString gone = page("gone.html");
  const QString other = page("other & more.html");
  w.openDocument(kept);
  w.openDocument(gone);
  w.openDocument(other);
  QFile::remove(gone);
  EXPECT_EQ(captions(w)[0], "&1 " + home.file("pages/other && more.html"));
  EXPECT_TRUE(entry(w, 0)->isEnabled());
  EXPECT_FALSE(entry(w, 1)->isEnabled());
  EXPECT_TRUE(entry(w, 2)->isEnabled());

  // kept.html is open: its window comes forward, no second copy.
  const int open = static_cast<int>(w.documents().size());
  entry(w, 2)->trigger();
  EXPECT_EQ(w.documents().size(), open);
  EXPECT_EQ(w.activeDocument()->document().fileName(), kept);

  // Closed, it opens again.
  for (DocumentWindow* doc : w.documents())
    if (doc->document().fileName() == kept) doc->parentWidget()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(w.documentFor(kept), nullptr);
  entry(w, 2)->trigger();
  DocumentWindow* reopened = w.documentFor(kept);
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(reopened->editor()->text(), "<p>kept.html</p>\r\n");
  EXPECT_EQ(captions(w)[0], "&1 " + kept);  // opening again moves it up
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

}  // namespace
}  // namespace markloom
