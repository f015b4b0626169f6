#include "ui/webtools/link_validator_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>

#include "core/common/command_ids.h"
#include "core/settings/settings_schema.h"
#include "core/document/editor_ops.h"
#include "dialog_driver.h"
#include "http_fixture.h"
#include "platform/settings/ini_settings_store.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"

namespace markloom {
namespace {

using test::HttpFixture;
using test::ScriptedPrompter;
using test::TempHome;

QStringList rowsOf(const QTreeWidget* table) {
  QStringList rows;
  for (int i = 0; i < table->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* r = table->topLevelItem(i);
    rows << r->text(0) + "|" + r->text(1) + "|" + r->text(2) + "|" + r->text(3);
  }
  return rows;
}

class LinkValidatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.running());
    IniSettingsStore store;
    writeInstallationDefaults(store);
    store.sync();
    window.show();
  }
  TempHome home;
  ScriptedPrompter prompter;
  HttpFixture server;
  MainWindow window;
};

TEST_F(LinkValidatorTest, AnUntitledDocumentMustBeSavedFirst) {
  window.action(ids::kLinkValidator)->trigger();  // no document: nothing
  EXPECT_TRUE(prompter.errors.isEmpty());
  window.createDocument();
  window.action(ids::kLinkValidator)->trigger();
  EXPECT_EQ(prompter.errors, QStringList({"Please save your file first."}));
}

TEST_F(LinkValidatorTest, ChecksTheSavedFileWhileStayingResponsive) {
  home.write("page.htm", ("<p>\n<a href=\"gone.htm\">x</a>\n<a href=\"" + server.url("/missing") +
                          "\">y</a>\n<img src=\"" + server.url("/trickle?n=60000") + "\">\n")
                             .toUtf8());
  DocumentWindow* doc = window.openDocument(home.file("page.htm"));
  LinkValidatorDialog dialog(doc, std::nullopt, &window);
  dialog.findChild<QPushButton*>("Button1")->click();
  EXPECT_TRUE(dialog.busy());
  EXPECT_FALSE(dialog.findChild<QPushButton*>("Button1")->isEnabled());
  // The local row is there at once, before any answer.
  EXPECT_EQ(rowsOf(dialog.results()), QStringList({"|" + home.file("gone.htm") + "|404|File does not exist."}));
  ASSERT_TRUE(test::waitUntil([&] { return !dialog.busy(); }));
  EXPECT_EQ(rowsOf(dialog.results()), QStringList({"|" + home.file("gone.htm") + "|404|File does not exist.",
                                                   "Error|" + server.url("/missing") + "|404|404 Not Found"}));
  EXPECT_EQ(dialog.summary(), "3 links checked, 2 broken.");
  // Double-click: the caret goes to the link in the document.
  emit dialog.results()->itemDoubleClicked(dialog.results()->topLevelItem(1), 0);
  EXPECT_EQ(doc->document().editorOps().caret(), (TextPosition{2, 9}));
  emit dialog.results()->itemDoubleClicked(dialog.results()->topLevelItem(0), 0);
  EXPECT_EQ(doc->document().editorOps().caret(), (TextPosition{1, 9}));
}

TEST_F(LinkValidatorTest, TheSameLinkTwiceGoesToEachOccurrenceAndTheSummaryCountsBoth) {
  home.write("page.htm", "<a href=\"gone.htm\">one</a>\n<p>text</p>\n  <img src=\"gone.htm\">\n<a href=\"#top\">t</a>\n");
  DocumentWindow* doc = window.openDocument(home.file("page.htm"));
  LinkValidatorDialog dialog(doc, std::nullopt, &window);
  dialog.findChild<QPushButton*>("Button1")->click();
  ASSERT_TRUE(test::waitUntil([&] { return !dialog.busy(); }));
  ASSERT_EQ(dialog.results()->topLevelItemCount(), 2);
  EXPECT_EQ(dialog.summary(), "3 links checked, 2 broken.");
  const std::vector<TextPosition> expected = {{0, 9}, {2, 12}};
  for (int row = 0; row < 2; ++row) {
    doc->document().editorOps().setCaret({1, 0});
    emit dialog.results()->itemDoubleClicked(dialog.results()->topLevelItem(row), 0);
    EXPECT_EQ(doc->document().editorOps().caret(), expected[static_cast<std::size_t>(row)]) << row;
  }
  // Cancel says so instead of leaving the last count standing.
  dialog.findChild<QPushButton*>("Button2")->setEnabled(true);
  dialog.cancel();
  EXPECT_EQ(dialog.summary(), "Check cancelled.");
}

// The proxy from Preferences carries addresses on other hosts; loopback
// addresses go straight to the server even when the proxy cannot be reached.
TEST_F(LinkValidatorTest, LoopbackLinksBypassTheProxy) {
  const QString remote = "http://site.example.invalid/missing";  // only the proxy ever sees this name
  home.write("page.htm", ("<a href=\"" + server.url("/missing") + "\">a</a>\n<a href=\"" + server.url("/page") +
                          "\">b</a>\n<a href=\"" + remote + "\">c</a>\n")
                             .toUtf8());
  DocumentWindow* doc = window.openDocument(home.file("page.htm"));
  struct Row {
    HttpProxy proxy;
    QStringList rows;
  };
  const std::vector<Row> runs = {
      {{"127.0.0.1", server.port(), "", ""},
       {"Error|" + server.url("/missing") + "|404|404 Not Found", "Error|" + remote + "|404|404 Not Found"}},
      {{"127.0.0.1", test::closedPort(), "", ""},
       {"Error|" + server.url("/missing") + "|404|404 Not Found", "Error|" + remote + "|-|"}},
  };
  for (const Row& run : runs) {
    LinkValidatorDialog dialog(doc, run.proxy, &window);
    dialog.findChild<QPushButton*>("Button1")->click();
    ASSERT_TRUE(test::waitUntil([&] { return !dialog.busy(); }));
    QStringList rows = rowsOf(dialog.results());
    // An unreachable proxy's wording is the network library's.
    for (QString& r : rows)
      if (r.startsWith("Error|" + remote + "|-|")) r = "Error|" + remote + "|-|";
    EXPECT_EQ(rows, run.rows);
    EXPECT_EQ(dialog.summary(), "3 links checked, 2 broken.");
  }
  const QString log = server.log().join("\n");
  EXPECT_TRUE(log.contains("PROXY " + remote));
  EXPECT_FALSE(log.contains("PROXY http://127.0.0.1"));
}

// Through the menu command: the rows also land in the Results panel's Links
// tab, the summary in the status bar, and a double-click there brings the
// checked document forward with the caret on the link.
TEST_F(LinkValidatorTest, TheLinksTabKeepsTheRowsAndGoesToTheLink) {
  home.write("page.htm", "<p>\n\n<img src=\"none.gif\">\n");
  DocumentWindow* checked = window.openDocument(home.file("page.htm"));
  test::whenModal("Form47", [](QDialog* dialog) {
    test::click(dialog, "Button1");
    ASSERT_TRUE(test::waitUntil([&] { return dialog->findChild<QPushButton*>("Button1")->isEnabled(); }));
    test::click(dialog, "Button3");
  });
  window.action(ids::kLinkValidator)->trigger();
  QTreeWidget* links = window.linksList();
  EXPECT_EQ(rowsOf(links), QStringList({"|" + home.file("none.gif") + "|404|File does not exist."}));
  EXPECT_EQ(window.statusText(2), "1 link checked, 1 broken.");
  DocumentWindow* other = window.createDocument();
  ASSERT_EQ(window.activeDocument(), other);
  emit links->itemDoubleClicked(links->topLevelItem(0), 0);
  EXPECT_EQ(window.activeDocument(), checked);
  EXPECT_EQ(checked->document().editorOps().caret(), (TextPosition{2, 10}));
  // A closed document leaves its rows inert.
  QPointer<DocumentWindow> gone = checked;
  delete qobject_cast<QMdiSubWindow*>(checked->parentWidget());
  ASSERT_TRUE(gone.isNull());
  emit links->itemDoubleClicked(links->topLevelItem(0), 0);
  EXPECT_EQ(window.activeDocument(), other);
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
}

TEST_F(LinkValidatorTest, CancelStopsEveryTransferAndClearsTheTable) {
  home.write("page.htm", ("<a href=\"" + server.url("/slow?ms=8000") + "\">a</a><a href=\"" +
                          server.url("/trickle?n=1000000") + "\">b</a><a href=\"gone.htm\">c</a>")
                             .toUtf8());
  DocumentWindow* doc = window.openDocument(home.file("page.htm"));
  LinkValidatorDialog dialog(doc, std::nullopt, &window);
  dialog.findChild<QPushButton*>("Button1")->click();
  ASSERT_TRUE(dialog.busy());
  QDeadlineTimer limit(3000);
  dialog.findChild<QPushButton*>("Button2")->click();
  EXPECT_FALSE(limit.hasExpired());  // returned long before the slow answers
  EXPECT_FALSE(dialog.busy());
  EXPECT_EQ(dialog.results()->topLevelItemCount(), 0);
  EXPECT_TRUE(dialog.findChild<QPushButton*>("Button1")->isEnabled());
}

}  // namespace
}  // namespace markloom
