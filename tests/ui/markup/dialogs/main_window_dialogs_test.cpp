// The dialog commands in the real main window: the Insert menu entries, their
// shortcuts and the tag bar buttons open the dialogs and insert into the
// active document; the layer creator opens without a document.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "dialog_fixture.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"

namespace markloom::test {
namespace {

class MainWindowDialogs : public ::testing::Test {
 protected:
  // Presses OK on the next modal dialog after filling it, and records its title.
  void okOnNextDialog(std::vector<std::pair<const char*, QString>> values) {
    QTimer::singleShot(0, &window, [this, values] {
      auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!form) {
        ADD_FAILURE() << "no dialog";
        return;
      }
      shownTitle = form->windowTitle();
      for (const auto& [name, text] : values) setField(*form, name, text);
      form->findChild<QPushButton*>("OKButton")->click();
    });
  }

  TempHome home;
  ScriptedPrompter prompter;
  MainWindow window;
  QString shownTitle;
};

TEST_F(MainWindowDialogs, EntriesAndShortcuts) {
  const std::pair<const char*, const char*> shortcuts[] = {
      {"Image1", "Ctrl+I"}, {"RolloverImage1", "Ctrl+L"}, {"Table1", "Ctrl+T"}, {"Hyperlink1", "Ctrl+H"}};
  for (const auto& [name, keys] : shortcuts) {
    QAction* a = window.action(name);
    ASSERT_NE(a, nullptr) << name;
    EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText), keys) << name;
  }
  for (const char* name : {"Layer1", "N12", "VisualLayerCreator1"}) EXPECT_NE(window.action(name), nullptr) << name;
}

TEST_F(MainWindowDialogs, MenuEntryInsertsIntoTheActiveDocument) {
  window.show();
  DocumentWindow* document = window.createDocument();
  ASSERT_NE(document, nullptr);
  document->document().editorOps().setLines({"<p>", "</p>"});
  document->document().editorOps().setCaret({1, 0});
  okOnNextDialog({{"EditSrc", "x.png"}, {"EditAlign", "middle"}});
  window.action("Image1")->trigger();
  EXPECT_EQ(shownTitle, "Insert Image");
  EXPECT_EQ(document->document().editorOps().Lines(),
            (std::vector<std::string>{"<p>", R"(<p align="middle"><img src="x.png" border="0"></p></p>)"}));
}

TEST_F(MainWindowDialogs, TagBarButtonsOpenTheirDialogs) {
  window.show();
  DocumentWindow* document = window.createDocument();
  document->document().editorOps().setLines({""});
  const std::pair<const char*, const char*> buttons[] = {{"TableButton", "Create a Table..."},
                                                         {"LayerButton", "Insert Layer..."},
                                                         {"NavigationMenuButton", "Insert Navigation Menu..."},
                                                         {"HyperlinkButton", "Insert a Hyperlink..."},
                                                         {"RolloverButton", "Insert Image Rollover"}};
  for (const auto& [name, title] : buttons) {
    auto* button = window.findChild<QToolButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    shownTitle.clear();
    QTimer::singleShot(0, &window, [this] {
      if (auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        shownTitle = form->windowTitle();
        form->reject();
      }
    });
    button->click();
    EXPECT_EQ(shownTitle, title) << name;
  }
  EXPECT_EQ(document->document().editorOps().Lines(), std::vector<std::string>{""});
}

TEST_F(MainWindowDialogs, LayerCreatorWithoutADocument) {
  ASSERT_EQ(window.activeDocument(), nullptr);
  QTimer::singleShot(0, &window, [this] {
    auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(form, nullptr);
    shownTitle = form->windowTitle();
    form->findChild<QAction*>("InsertButton")->trigger();
  });
  window.action("VisualLayerCreator1")->trigger();
  EXPECT_EQ(shownTitle, "Create Layers Visually");
  EXPECT_TRUE(prompter.errors.isEmpty());
}

}  // namespace
}  // namespace markloom::test
