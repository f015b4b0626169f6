// The builder commands inside the real main window: every entry they own is
// connected, the long-lived dialogs belong to the main window, and OK writes
// into the document window that is active at that moment.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>

#include "builder_host.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"
#include "ui/markup/builder_dialog_commands.h"
#include "ui/markup/dialogs/multimedia_dialog.h"
#include "ui/markup/dialogs/server_variables_dialog.h"

namespace markloom {
namespace {

using Lines = std::vector<std::string>;

class MainWindowBuilders : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    commands = window.findChild<BuilderDialogCommands*>("BuilderDialogCommands");
  }
  void activate(DocumentWindow* document) {
    for (QMdiSubWindow* sub : window.documentArea()->subWindowList()) {
      if (sub->widget() == document) window.documentArea()->setActiveSubWindow(sub);
    }
    ASSERT_EQ(window.activeDocument(), document);
  }
  test::TempHome home;
  test::ScriptedPrompter prompter;
  MainWindow window;
  BuilderDialogCommands* commands = nullptr;
};

TEST_F(MainWindowBuilders, EveryEntryIsConnectedAndTheLongLivedDialogsExist) {
  ASSERT_NE(commands, nullptr);
  EXPECT_TRUE(commands->missingActions().isEmpty()) << commands->missingActions().join(' ').toStdString();
  EXPECT_EQ(commands->mediaForm()->parentWidget(), &window);
  EXPECT_EQ(commands->specialForm()->parentWidget(), &window);
  EXPECT_FALSE(commands->mediaForm()->isVisible());
  EXPECT_FALSE(commands->specialForm()->isVisible());
}

TEST_F(MainWindowBuilders, TagBarButtonOpensItsDialogAndWritesIntoTheActiveDocument) {
  ASSERT_NE(commands, nullptr);
  DocumentWindow* doc = window.createDocument();
  ASSERT_NE(doc, nullptr);
  doc->document().editorOps().setLines({"<wml>", "</wml>"});
  doc->document().editorOps().setCaret({1, 0});
  auto* go = window.findChild<QToolButton*>("ToolbarButton9733");
  ASSERT_NE(go, nullptr);
  test::whenModal("TWMLGoForm", [](QDialog* d) {
    test::fill(d, "EditAddress", "#next");
    test::click(d, "OKButton");
  });
  go->click();
  EXPECT_EQ(doc->document().editorOps().line(1),
            R"(<go href="#next" sendreferer="False" method="GET" enctype="application/x-www-form-urlencoded"> </go></wml>)");
}

TEST_F(MainWindowBuilders, ModelessDialogsFollowTheActiveDocumentWindow) {
  ASSERT_NE(commands, nullptr);
  DocumentWindow* first = window.createDocument();
  DocumentWindow* second = window.createDocument();
  first->document().editorOps().setLines({"one"});
  second->document().editorOps().setLines({"two"});
  activate(first);
  window.action("ASPButton1")->trigger();
  ServerVariablesDialog* special = commands->specialForm();
  ASSERT_TRUE(special->isVisible());
  test::fill(special, "EditVars", "REMOTE_ADDR");
  activate(second);
  test::click(special, "Button1");
  EXPECT_FALSE(special->isVisible());
  EXPECT_EQ(first->document().editorOps().Lines(), (Lines{"one"}));
  EXPECT_EQ(second->document().editorOps().Lines(), (Lines{R"(<%= Request.ServerVariables("REMOTE_ADDR") %>two)"}));

  window.action("Shockwave1")->trigger();
  MultimediaDialog* media = commands->mediaForm();
  ASSERT_TRUE(media->isVisible());
  test::fill(media, "EditSource", "p.mid");
  window.action("Plugin1")->trigger();
  activate(first);
  test::click(media, "Button2");
  EXPECT_EQ(first->document().editorOps().Lines(), (Lines{R"(<embed src="p.mid"></embed>one)"}));
}

}  // namespace
}  // namespace markloom
