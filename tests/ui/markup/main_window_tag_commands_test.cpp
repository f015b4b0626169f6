// The tag dialog commands in the real main window: the Insert menu entries,
// their shortcuts and the tag bar buttons open the dialogs and insert into
// the active document window; every entry the commands own is connected; the
// long-lived dialogs belong to the main window and follow the active window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QToolButton>

#include "core/common/command_ids.h"
#include "support/dialog_driver.h"
#include "support/scripted_prompter.h"
#include "support/temp_home.h"
#include "ui/app/main_window.h"
#include "ui/common/dialog_kit.h"
#include "ui/document/document_window.h"
#include "ui/markup/dialogs/multimedia_dialog.h"
#include "ui/markup/dialogs/server_variables_dialog.h"
#include "ui/markup/tag_dialog_commands.h"

namespace markloom::test {
namespace {

using Lines = std::vector<std::string>;
using dialogkit::fromUtf8;

class MainWindowTagCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    commands = window.findChild<TagDialogCommands*>("TagDialogCommands");
    ASSERT_NE(commands, nullptr);
  }
  QAction* action(std::string_view id) { return window.action(fromUtf8(id)); }
  void activate(DocumentWindow* document) {
    for (QMdiSubWindow* sub : window.documentArea()->subWindowList()) {
      if (sub->widget() == document) window.documentArea()->setActiveSubWindow(sub);
    }
    ASSERT_EQ(window.activeDocument(), document);
  }
  static EditorOps& ops(DocumentWindow* document) { return document->document().editorOps(); }

  TempHome home;
  ScriptedPrompter prompter;
  MainWindow window;
  TagDialogCommands* commands = nullptr;
};

TEST_F(MainWindowTagCommands, EveryEntryIsConnectedAndTheLongLivedDialogsExist) {
  EXPECT_TRUE(commands->missingActions().isEmpty()) << commands->missingActions().join(' ').toStdString();
  EXPECT_EQ(commands->multimediaDialog()->parentWidget(), &window);
  EXPECT_EQ(commands->serverVariablesDialog()->parentWidget(), &window);
  EXPECT_FALSE(commands->multimediaDialog()->isVisible());
  EXPECT_FALSE(commands->serverVariablesDialog()->isVisible());
}

TEST_F(MainWindowTagCommands, EntriesAndShortcuts) {
  const std::pair<std::string_view, const char*> shortcuts[] = {{ids::kInsertImage, "Ctrl+I"},
                                                                {ids::kInsertRollover, "Ctrl+L"},
                                                                {ids::kInsertTable, "Ctrl+T"},
                                                                {ids::kInsertHyperlink, "Ctrl+H"}};
  for (const auto& [id, keys] : shortcuts) {
    QAction* a = action(id);
    ASSERT_NE(a, nullptr) << id;
    EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText), keys) << id;
  }
  for (const std::string_view id : {ids::kInsertLayer, ids::kInsertNavigationMenu, ids::kLayerCreator}) {
    EXPECT_NE(action(id), nullptr) << id;
  }
}

TEST_F(MainWindowTagCommands, MenuEntryInsertsIntoTheActiveDocument) {
  DocumentWindow* document = window.createDocument();
  ASSERT_NE(document, nullptr);
  ops(document).setLines({"<p>", "</p>"});
  ops(document).setCaret({1, 0});
  QString shownTitle;
  whenModal("ImageForm", [&shownTitle](QDialog* form) {
    shownTitle = form->windowTitle();
    fill(form, "EditSrc", "x.png");
    fill(form, "EditAlign", "middle");
    click(form, "OKButton");
  });
  action(ids::kInsertImage)->trigger();
  EXPECT_EQ(shownTitle, "Insert Image");
  EXPECT_EQ(ops(document).lines(), (Lines{"<p>", R"(<p align="middle"><img src="x.png" border="0"></p></p>)"}));
}

TEST_F(MainWindowTagCommands, TagBarButtonsOpenTheirDialogs) {
  DocumentWindow* document = window.createDocument();
  ops(document).setLines({""});
  const std::pair<std::string_view, const char*> buttons[] = {
      {ids::kInsertTableButton, "Create a Table..."},
      {ids::kInsertLayerButton, "Insert Layer..."},
      {ids::kInsertNavigationMenuButton, "Insert Navigation Menu..."},
      {ids::kInsertHyperlinkButton, "Insert a Hyperlink..."},
      {ids::kInsertRolloverButton, "Insert Image Rollover"}};
  for (const auto& [name, title] : buttons) {
    auto* button = window.findChild<QToolButton*>(fromUtf8(name));
    ASSERT_NE(button, nullptr) << name;
    QString shownTitle;
    QTimer::singleShot(0, &window, [&shownTitle] {
      if (auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        shownTitle = form->windowTitle();
        form->reject();
      }
    });
    button->click();
    EXPECT_EQ(shownTitle, title) << name;
  }
  EXPECT_EQ(ops(document).lines(), Lines{""});
}

TEST_F(MainWindowTagCommands, TagBarButtonOpensItsDialogAndWritesIntoTheActiveDocument) {
  DocumentWindow* doc = window.createDocument();
  ASSERT_NE(doc, nullptr);
  ops(doc).setLines({"<wml>", "</wml>"});
  ops(doc).setCaret({1, 0});
  auto* go = window.findChild<QToolButton*>(fromUtf8(ids::kInsertWmlGo));
  ASSERT_NE(go, nullptr);
  whenModal("TWMLGoForm", [](QDialog* d) {
    fill(d, "EditAddress", "#next");
    click(d, "OKButton");
  });
  go->click();
  EXPECT_EQ(
      ops(doc).line(1),
      R"(<go href="#next" sendreferer="False" method="GET" enctype="application/x-www-form-urlencoded"> </go></wml>)");
}

TEST_F(MainWindowTagCommands, LayerCreatorWithoutADocument) {
  ASSERT_EQ(window.activeDocument(), nullptr);
  QString shownTitle;
  whenModal("PosForm", [&shownTitle](QDialog* form) {
    shownTitle = form->windowTitle();
    form->findChild<QAction*>("InsertButton")->trigger();
  });
  action(ids::kLayerCreator)->trigger();
  EXPECT_EQ(shownTitle, "Create Layers Visually");
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(MainWindowTagCommands, ModelessDialogsFollowTheActiveDocumentWindow) {
  DocumentWindow* first = window.createDocument();
  DocumentWindow* second = window.createDocument();
  ops(first).setLines({"one"});
  ops(second).setLines({"two"});
  activate(first);
  action(ids::kAspVariables)->trigger();
  ServerVariablesDialog* variables = commands->serverVariablesDialog();
  ASSERT_TRUE(variables->isVisible());
  fill(variables, "EditVars", "REMOTE_ADDR");
  activate(second);
  click(variables, "Button1");
  EXPECT_FALSE(variables->isVisible());
  EXPECT_EQ(ops(first).lines(), (Lines{"one"}));
  EXPECT_EQ(ops(second).lines(), (Lines{R"(<%= Request.ServerVariables("REMOTE_ADDR") %>two)"}));

  action(ids::kInsertShockwave)->trigger();
  MultimediaDialog* multimedia = commands->multimediaDialog();
  ASSERT_TRUE(multimedia->isVisible());
  fill(multimedia, "EditSource", "p.mid");
  action(ids::kInsertPlugin)->trigger();
  activate(first);
  click(multimedia, "Button2");
  EXPECT_EQ(ops(first).lines(), (Lines{R"(<embed src="p.mid"></embed>one)"}));
}

}  // namespace
}  // namespace markloom::test
