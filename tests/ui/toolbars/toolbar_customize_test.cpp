// The toolbars' customisation: the "Customize" dialog on the toolbars'
// context menu, and the layouts kept between runs for the main window and the
// Hostdeck window.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include "core/common/command_ids.h"
#include "core/workspace/kept_toolbars.h"
#include "dialog_driver.h"
#include "platform/settings/ini_settings_store.h"
#include "scripted_prompter.h"
#include "stored_settings.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/sites/hostdeck_window.h"
#include "ui/toolbars/customize_dialog.h"
#include "ui/toolbars/toolbar_layout.h"

// Readable lists in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::stored;
using test::storeValue;
using test::TempHome;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A drag entering target and dropped at at; false when the target refused it.
bool drag(QWidget* target, QPointF at, const QMimeData& payload) {
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &payload, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(at, Qt::CopyAction, &payload, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

class ToolbarCustomizeTest : public ::testing::Test {
 protected:
  static QToolBar* bar(const MainWindow& w, std::string_view name) { return w.findChild<QToolBar*>(qs(name)); }
  static QStringList items(const MainWindow& w, std::string_view name) {
    return w.toolbarLayout()->items(bar(w, name));
  }
  // Opens the dialog the way the user does: the toolbars' context menu.
  static CustomizeDialog* customize(MainWindow& w) {
    std::unique_ptr<QMenu> menu(w.createPopupMenu());
    QAction* entry = menu->findChild<QAction*>("CustomizeToolbars");
    if (!entry) return nullptr;
    EXPECT_EQ(entry->text(), "Customize...");
    entry->trigger();
    return w.findChild<CustomizeDialog*>();
  }
  static void chooseToolbar(CustomizeDialog* d, std::string_view name) {
    d->toolbarBox()->setCurrentIndex(d->toolbarBox()->findData(qs(name)));
  }
  static void selectToolbarEntry(CustomizeDialog* d, const QString& text) {
    const int row = static_cast<int>(test::itemTexts(d->toolbarList()).indexOf(text));
    ASSERT_GE(row, 0) << text.toStdString();
    d->toolbarList()->setCurrentRow(row);
  }
  static void press(CustomizeDialog* d, const char* button) { d->findChild<QPushButton*>(button)->click(); }

  TempHome home;
  ScriptedPrompter prompter;
};

TEST_F(ToolbarCustomizeTest, TheDialogListsEveryCommandByMenuWithHostdeckUnderTools) {
  MainWindow w;
  w.show();
  CustomizeDialog* d = customize(w);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->windowTitle(), "Customize");
  EXPECT_TRUE(d->isVisible());
  EXPECT_FALSE(d->isModal()) << "the toolbars must take drops while it is open";
  EXPECT_EQ(test::itemTexts(d->categoryList()),
            QStringList({"File", "Edit", "Search", "Insert", "Actions", "Format", "Tools", "Tidy", "Window", "Help"}));
  EXPECT_EQ(test::itemTexts(d->toolbarBox()), QStringList({"Standard", "Tools", "Formatting"}));

  // No caption keeps its accelerator mark, and each command shows its icon.
  for (int c = 0; c < d->categoryList()->count(); ++c) {
    d->categoryList()->setCurrentRow(c);
    EXPECT_GT(d->commandList()->count(), 0) << test::itemTexts(d->categoryList())[c].toStdString();
    for (const QString& caption : test::itemTexts(d->commandList()))
      EXPECT_FALSE(caption.contains('&')) << caption.toStdString();
  }
  ASSERT_TRUE(d->selectCommand("Tools", "Hostdeck"));
  EXPECT_FALSE(d->commandList()->currentItem()->icon().isNull());
  EXPECT_TRUE(d->selectCommand("File", "Save"));
  EXPECT_TRUE(d->selectCommand("Format", "Bold (Font Face)"));
  EXPECT_TRUE(d->selectCommand("Search", "0 (Bookmarks > Set)"));
  EXPECT_FALSE(d->selectCommand("Tools", "Save")) << "a command belongs to its own menu";
  EXPECT_FALSE(d->selectCommand("File", "1")) << "the recent files are no commands";

  // A second Customize brings the open dialog forward instead of a second one.
  EXPECT_EQ(customize(w), d);
  EXPECT_EQ(w.findChildren<CustomizeDialog*>().size(), 1);
}

TEST_F(ToolbarCustomizeTest, HostdeckAddedToTheToolsToolbarOpensTheHostdeckWindow) {
  MainWindow w;
  w.show();
  CustomizeDialog* d = customize(w);
  ASSERT_NE(d, nullptr);
  chooseToolbar(d, ids::kToolsToolbar);
  d->toolbarList()->setCurrentRow(-1);
  ASSERT_TRUE(d->selectCommand("Tools", "Hostdeck"));
  press(d, "AddButton");

  QToolBar* tools = bar(w, ids::kToolsToolbar);
  EXPECT_EQ(tools->actions().last(), w.action(ids::kHostdeck));
  EXPECT_EQ(test::itemTexts(d->toolbarList()).last(), "Hostdeck") << "the dialog's list follows the toolbar";
  auto* button = qobject_cast<QToolButton*>(tools->widgetForAction(w.action(ids::kHostdeck)));
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->isEnabled());
  bool opened = false;
  test::whenModal("TForm3", [&](QDialog* hostdeck) {
    opened = hostdeck->windowTitle() == "Tarnwell Hostdeck 5.0";
    hostdeck->reject();
  });
  button->click();
  EXPECT_TRUE(opened);
}

TEST_F(ToolbarCustomizeTest, AChangedToolbarIsKeptAcrossAnExitAndRestoredAtTheNextStart) {
  QStringList expectedTools;
  {
    MainWindow w;
    w.show();
    CustomizeDialog* d = customize(w);
    ASSERT_NE(d, nullptr);
    chooseToolbar(d, ids::kToolsToolbar);
    selectToolbarEntry(d, "Spell Check");
    ASSERT_TRUE(d->selectCommand("Tools", "Hostdeck"));
    press(d, "AddButton");  // after the selected entry
    selectToolbarEntry(d, "Spell Check");
    press(d, "RemoveButton");
    expectedTools = items(w, ids::kToolsToolbar);
    ASSERT_EQ(expectedTools.first(), qs(ids::kHostdeck));
    ASSERT_FALSE(expectedTools.contains(qs(ids::kSpellCheck)));
    bar(w, ids::kFormattingBar)->hide();
    w.addToolBar(Qt::LeftToolBarArea, bar(w, ids::kStandardToolbar));
    w.showResults(MainWindow::ResultsTab::Tidy);
    d->close();
    ASSERT_TRUE(w.close());
  }
  EXPECT_TRUE(stored(kMainToolbarsKey, "Tools").starts_with("1:" + std::string(ids::kHostdeck) + ","));
  EXPECT_EQ(stored(kMainToolbarsKey, "Formatting Visible"), "False");

  MainWindow w;
  w.show();
  EXPECT_EQ(items(w, ids::kToolsToolbar), expectedTools);
  EXPECT_FALSE(bar(w, ids::kFormattingBar)->isVisible());
  EXPECT_TRUE(bar(w, ids::kStandardToolbar)->isVisible());
  EXPECT_EQ(w.toolBarArea(bar(w, ids::kStandardToolbar)), Qt::LeftToolBarArea);
  EXPECT_EQ(w.toolBarArea(bar(w, ids::kToolsToolbar)), Qt::TopToolBarArea);
  // The restored button is the command itself, and the Preview drop-down is back in its place.
  EXPECT_TRUE(bar(w, ids::kToolsToolbar)->actions().contains(w.action(ids::kHostdeck)));
  EXPECT_TRUE(items(w, ids::kToolsToolbar).contains("PreviewButton"));
  EXPECT_FALSE(w.findChild<QWidget*>("Results")->isVisible()) << "the panels start as they always do";
}

TEST_F(ToolbarCustomizeTest, AWindowClosedBeforeItShowedKeepsItsToolbarsShown) {
  {
    MainWindow w;
    ASSERT_TRUE(w.close());
  }
  for (const char* name : {"Standard Visible", "Tools Visible", "Formatting Visible"})
    EXPECT_EQ(stored(kMainToolbarsKey, name), "True") << name;
  MainWindow w;
  w.show();
  EXPECT_TRUE(bar(w, ids::kStandardToolbar)->isVisible());
}

TEST_F(ToolbarCustomizeTest, DragsOntoAToolbarAndBackOffIt) {
  MainWindow w;
  w.show();
  CustomizeDialog* d = customize(w);
  ASSERT_NE(d, nullptr);
  QToolBar* standard = bar(w, ids::kStandardToolbar);
  const QStringList before = items(w, ids::kStandardToolbar);

  // A command dropped on the toolbar's third button goes before it.
  QMimeData command;
  command.setData(kCommandMime, QByteArray(ids::kHostdeck.data(), static_cast<qsizetype>(ids::kHostdeck.size())));
  QWidget* third = standard->widgetForAction(standard->actions().at(2));
  const QPointF at = third->geometry().center();
  EXPECT_TRUE(drag(standard, at, command));
  QStringList expected = before;
  expected.insert(2, qs(ids::kHostdeck));
  EXPECT_EQ(items(w, ids::kStandardToolbar), expected);

  // The dialog's own toolbar list takes a command too, at the entry it lands on.
  chooseToolbar(d, ids::kStandardToolbar);
  QMimeData contents;
  contents.setData(kCommandMime, QByteArray(ids::kAbout.data(), static_cast<qsizetype>(ids::kAbout.size())));
  EXPECT_TRUE(drag(d->toolbarList()->viewport(), QPointF(2, 2), contents));
  EXPECT_EQ(items(w, ids::kStandardToolbar).first(), qs(ids::kAbout));

  // An entry of the toolbar dragged back onto the commands leaves the toolbar.
  selectToolbarEntry(d, "Hostdeck");
  QMimeData back;
  back.setData(kToolbarItemMime, QByteArray(ids::kHostdeck.data(), static_cast<qsizetype>(ids::kHostdeck.size())));
  EXPECT_TRUE(drag(d->commandList()->viewport(), QPointF(2, 2), back));
  EXPECT_FALSE(items(w, ids::kStandardToolbar).contains(qs(ids::kHostdeck)));

  // Anything else dropped on a toolbar is not taken.
  QMimeData text;
  text.setText("New1");
  EXPECT_FALSE(drag(standard, at, text));
  EXPECT_EQ(items(w, ids::kStandardToolbar).size(), before.size() + 1);

  // After the dialog closes the toolbars take no drops.
  d->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(standard->acceptDrops());
}

TEST_F(ToolbarCustomizeTest, ResetBringsBackTheDefaultToolbarsControlsIncluded) {
  MainWindow w;
  w.show();
  const QStringList standard = items(w, ids::kStandardToolbar), tools = items(w, ids::kToolsToolbar),
                    formatting = items(w, ids::kFormattingBar);
  ASSERT_FALSE(formatting.isEmpty());
  CustomizeDialog* d = customize(w);
  ASSERT_NE(d, nullptr);
  QWidget* fontBoxBefore = bar(w, ids::kFormattingBar)->widgetForAction(bar(w, ids::kFormattingBar)->actions().first());
  ASSERT_NE(qobject_cast<QComboBox*>(fontBoxBefore), nullptr);
  chooseToolbar(d, ids::kFormattingBar);
  d->toolbarList()->setCurrentRow(0);  // the font name box
  press(d, "RemoveButton");
  press(d, "RemoveButton");
  press(d, "SeparatorButton");
  chooseToolbar(d, ids::kStandardToolbar);
  d->toolbarList()->setCurrentRow(0);
  press(d, "RemoveButton");
  bar(w, ids::kToolsToolbar)->hide();
  EXPECT_NE(items(w, ids::kFormattingBar), formatting);

  press(d, "ResetButton");
  EXPECT_EQ(items(w, ids::kStandardToolbar), standard);
  EXPECT_EQ(items(w, ids::kToolsToolbar), tools);
  EXPECT_EQ(items(w, ids::kFormattingBar), formatting);
  EXPECT_TRUE(bar(w, ids::kToolsToolbar)->isVisible());
  QCoreApplication::processEvents();  // the toolbar lays its widgets out when it next can
  QToolBar* formattingBar = bar(w, ids::kFormattingBar);
  QWidget* fontBox = formattingBar->widgetForAction(formattingBar->actions().first());
  ASSERT_NE(fontBox, nullptr);
  EXPECT_EQ(fontBox, fontBoxBefore) << "the box taken off is the same box, back on its toolbar";
  EXPECT_EQ(fontBox->parentWidget(), formattingBar);
  EXPECT_TRUE(fontBox->isVisible());
  EXPECT_EQ(test::itemTexts(d->toolbarList()).size(), standard.size());
}

TEST_F(ToolbarCustomizeTest, DamagedKeptValuesLeaveTheDefaultToolbars) {
  QStringList standard, tools, formatting;
  {
    MainWindow fresh;
    standard = items(fresh, ids::kStandardToolbar);
    tools = items(fresh, ids::kToolsToolbar);
    formatting = items(fresh, ids::kFormattingBar);
  }
  struct Case {
    const char* what;
    std::map<std::string, std::string> values;
    QStringList expectedTools;
  };
  const Case cases[] = {
      {"garbage everywhere",
       {{"Standard", "garbage"},
        {"Tools", "\x01\x02"},
        {"Formatting", "1:,,"},
        {"State", "%%%%"},
        {"Standard Visible", "maybe"}},
       tools},
      {"base64 that is no window state", {{"State", "AAAAAAAAAAAA"}, {"Tools", "2:dxBarButton5"}}, tools},
      {"ids that no longer exist are skipped",
       {{"Tools", "1:NoSuchCommand," + std::string(ids::kHostdeck) + ",-,Gone2"}},
       {qs(ids::kHostdeck), "-"}},
  };
  for (const Case& c : cases) {
    TempHome own;
    for (const auto& [name, value] : c.values) storeValue(kMainToolbarsKey, name, value);
    MainWindow w;
    w.show();
    EXPECT_EQ(items(w, ids::kStandardToolbar), standard) << c.what;
    EXPECT_EQ(items(w, ids::kToolsToolbar), c.expectedTools) << c.what;
    EXPECT_EQ(items(w, ids::kFormattingBar), formatting) << c.what;
    for (std::string_view name : {ids::kStandardToolbar, ids::kToolsToolbar, ids::kFormattingBar})
      EXPECT_TRUE(bar(w, name)->isVisible()) << c.what << " " << name;
  }
}

TEST_F(ToolbarCustomizeTest, TheHostdeckToolbarIsKeptUnderItsOwnKey) {
  QStringList expected;
  {
    HostdeckWindow hostdeck;
    hostdeck.show();
    auto* layout = hostdeck.findChild<ToolbarLayout*>();
    ASSERT_NE(layout, nullptr);
    QToolBar* main = layout->toolbar("Main");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(layout->items(main), QStringList({"actConnectToSite", "actDisconnect", "actGetFile", "actPutFile",
                                                "actRefreshLocal", "actDoMkDir", "dxBarCombo1"}));
    layout->remove(main, 5);  // Make Remote Directory
    layout->insert(main, hostdeck.findChild<QAction*>("actRefreshRemote"), 0);
    expected = layout->items(main);
    hostdeck.close();
  }
  EXPECT_EQ(stored(kHostdeckToolbarKey, "Main"),
            "1:actRefreshRemote,actConnectToSite,actDisconnect,actGetFile,actPutFile,actRefreshLocal,dxBarCombo1");
  EXPECT_EQ(stored(kHostdeckToolbarKey, "Main Visible"), "True");
  EXPECT_EQ(stored(kMainToolbarsKey, "Tools"), "") << "the main window's key is not touched";
  {
    HostdeckWindow hostdeck;
    hostdeck.show();
    QToolBar* main = hostdeck.findChild<QToolBar*>("Main");
    EXPECT_EQ(hostdeck.findChild<ToolbarLayout*>()->items(main), expected);
    // The transfer type box is still the working one.
    auto* type = hostdeck.findChild<QComboBox*>("dxBarCombo1");
    ASSERT_NE(type, nullptr);
    EXPECT_TRUE(type->isVisible());
    hostdeck.close();
  }

  // A damaged value and an unknown visibility leave the default toolbar.
  storeValue(kHostdeckToolbarKey, "Main", "1:actConnectToSite,,");
  storeValue(kHostdeckToolbarKey, "Main Visible", "no");
  HostdeckWindow hostdeck;
  hostdeck.show();
  QToolBar* main = hostdeck.findChild<QToolBar*>("Main");
  EXPECT_EQ(hostdeck.findChild<ToolbarLayout*>()->items(main).size(), 7);
  EXPECT_TRUE(main->isVisible());
  hostdeck.close();
}

TEST_F(ToolbarCustomizeTest, TheHostdeckToolbarIsCustomizedWithTheCommandsOfItsMenus) {
  {
    HostdeckWindow hostdeck;
    hostdeck.show();
    QToolBar* main = hostdeck.findChild<QToolBar*>("Main");
    EXPECT_EQ(main->contextMenuPolicy(), Qt::CustomContextMenu);
    QAction* customize = hostdeck.findChild<QAction*>("CustomizeToolbars");
    ASSERT_NE(customize, nullptr);
    customize->trigger();
    auto* d = hostdeck.findChild<CustomizeDialog*>();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(test::itemTexts(d->categoryList()), QStringList({"File", "Action"}));
    EXPECT_EQ(test::itemTexts(d->toolbarBox()), QStringList({"Main"}));
    d->toolbarList()->setCurrentRow(-1);
    ASSERT_TRUE(d->selectCommand("Action", "Refresh"));
    press(d, "AddButton");
    EXPECT_EQ(ToolbarLayout::itemId(main->actions().last()), "actRefreshRemote");
    hostdeck.close();
  }
  EXPECT_TRUE(stored(kHostdeckToolbarKey, "Main").ends_with(",dxBarCombo1,actRefreshRemote"));
}

TEST_F(ToolbarCustomizeTest, AHiddenHostdeckToolbarStaysHidden) {
  {
    HostdeckWindow hostdeck;
    hostdeck.show();
    hostdeck.findChild<QToolBar*>("Main")->hide();
    hostdeck.close();
  }
  EXPECT_EQ(stored(kHostdeckToolbarKey, "Main Visible"), "False");
  HostdeckWindow hostdeck;
  hostdeck.show();
  EXPECT_FALSE(hostdeck.findChild<QToolBar*>("Main")->isVisible());
  hostdeck.close();
}

}  // namespace
}  // namespace markloom
