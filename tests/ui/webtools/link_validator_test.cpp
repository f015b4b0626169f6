#include "ui/webtools/link_validator_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>

#include "core/common/command_ids.h"
#include "core/settings/settings_schema.h"
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
  // Double-click: the caret goes to the link in the document.
  emit dialog.results()->itemDoubleClicked(dialog.results()->topLevelItem(1), 0);
  EXPECT_EQ(doc->document().editorOps().caret().line, 2);
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
