#include "ui/app/main_window.h"
#include "core/common/command_ids.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>

#include "core/text/write_journal.h"
#include "platform/settings/ini_settings_store.h"
#include "scripted_prompter.h"
#include "stored_settings.h"
#include "temp_home.h"
#include "ui/codecontroller/code_controller.h"
#include "ui/document/document_window.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::stored;
using test::storeValue;
using test::TempHome;

QStringList entriesOf(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

class MainWindowStart : public ::testing::Test {
 protected:
  TempHome home;
  ScriptedPrompter prompter;
};

TEST_F(MainWindowStart, ShowsEveryRegionWithItsInitialState) {
  MainWindow w;
  w.show();
  EXPECT_EQ(w.windowTitle(), "Tarnwell Markloom 5.0");
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();

  QStringList menus;
  for (QAction* a : w.menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Search", "&Insert", "&Actions", "F&ormat", "&Tools", "Ti&dy",
                                "&Window", "&Help"}));

  QStringList tabs;
  for (int i = 0; i < w.tagBar()->count(); ++i) tabs << w.tagBar()->tabText(i);
  EXPECT_EQ(tabs, QStringList({"Common", "Frames", "Tables", "Forms", "Lists", "WML", "ASP", "ColdFusion", "SSI", "PHP",
                               "WebTV", "JSP"}));
  EXPECT_NE(w.findChild<QToolBar*>("JSPTab"), nullptr);
  EXPECT_NE(w.findChild<QToolBar*>(QString::fromUtf8(ids::kStandardToolbar)), nullptr);
  EXPECT_NE(w.findChild<QToolBar*>(QString::fromUtf8(ids::kToolsToolbar)), nullptr);
  EXPECT_EQ(w.toolBarArea(w.findChild<QToolBar*>("Formatting")), Qt::BottomToolBarArea);

  auto* side = w.findChild<QTabWidget*>("CodeControllerTabs");
  ASSERT_NE(side, nullptr);
  QStringList sideTabs;
  for (int i = 0; i < side->count(); ++i) sideTabs << side->tabText(i);
  EXPECT_EQ(sideTabs, QStringList({"Files", "Events", "Objects", "Characters", "Favorites"}));
  EXPECT_EQ(side->currentIndex(), 0);
  EXPECT_EQ(w.dockWidgetArea(w.codeController()), Qt::LeftDockWidgetArea);

  auto* results = w.findChild<QDockWidget*>("Results");
  EXPECT_FALSE(results->isVisible());
  EXPECT_EQ(w.validationList()->headerItem()->text(0), "Property/Element");
  EXPECT_EQ(w.validationList()->headerItem()->text(2), "Type");
  EXPECT_EQ(w.linksList()->columnCount(), 4);

  EXPECT_EQ(w.statusText(1), "0 : 0");
  EXPECT_EQ(w.statusText(2), "Ready");
  EXPECT_EQ(w.statusText(3), "");
  EXPECT_EQ(w.findChild<QLabel*>("StatusPanel1")->width(), 85);
}

// An in-place save a killed run left half done is finished before anything is
// read: both names of the page hold the whole new text.
TEST_F(MainWindowStart, FinishesAnInterruptedInPlaceSave) {
  const QString page = home.file("page.htm");
  const QString other = home.file("other.htm");
  home.write("page.htm", "<p>old text, long enough to tear</p>\r\n");
  ASSERT_EQ(::link(QFile::encodeName(page).constData(), QFile::encodeName(other).constData()), 0);
  const std::string fresh = "<p>new text</p>\r\n";
  const int fd = ::open(QFile::encodeName(page).constData(), O_RDWR);
  ASSERT_GE(fd, 0);
  struct stat st {};
  ASSERT_EQ(::fstat(fd, &st), 0);
  {
    journal::Entry killed;
    ASSERT_EQ(killed.begin(fd, st, QFile::encodeName(page).toStdString(), fresh), 0);
    ASSERT_EQ(::pwrite(fd, "<p>new", 6, 0), 6);
  }
  ::close(fd);
  MainWindow w;
  w.show();
  EXPECT_EQ(home.read("page.htm").toStdString(), fresh);
  EXPECT_EQ(home.read("other.htm").toStdString(), fresh);
}

TEST_F(MainWindowStart, FillsTheSidePanelFromTheDataFiles) {
  MainWindow w;
  w.show();
  auto* grid = w.findChild<QTableWidget*>("CharactersGrid");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->rowCount() + 1, 91);  // the heading row is the header
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Entity");
  EXPECT_EQ(grid->item(1, 0)->text(), "&amp;");
  EXPECT_EQ(grid->item(1, 1)->text(), "&");
  EXPECT_EQ(grid->columnWidth(0), 78);
  EXPECT_EQ(grid->columnWidth(1), 80);
  auto* events = w.findChild<QListWidget*>("EventsList");
  EXPECT_TRUE(entriesOf(events).contains("onMouseOver"));
  auto* objects = w.findChild<QTreeWidget*>("ObjectsTree");
  ASSERT_EQ(objects->topLevelItemCount(), 5);
  EXPECT_EQ(objects->topLevelItem(2)->text(0), "Date and Time");
  EXPECT_EQ(objects->topLevelItem(0)->child(2)->child(0)->child(0)->text(0), "document.form.action");
}

TEST_F(MainWindowStart, AMissingDataFileIsReportedAndTheRemainingStepsAreSkipped) {
  QFile::remove(home.file("Extensions/charsb.qdf"));
  storeValue("Programs", "Browser 1", "/usr/bin/true");
  storeValue("Programs", "Browser 1 Title", "Viewer");
  storeValue("", "Default Directory", home.path().toStdString());
  MainWindow w;
  w.show();
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_EQ(prompter.errors[0], "Cannot open file " + home.file("Extensions/charsb.qdf"));
  EXPECT_FALSE(w.action(ids::kPreviewInBrowser[0])->isEnabled());
  EXPECT_EQ(w.action(ids::kPreviewInBrowser[0])->text(), "Browser 1");
  EXPECT_TRUE(w.findChild<QListWidget*>("EventsList")->count() == 0);
  EXPECT_NE(w.codeController()->folder(), QDir(home.path()).absolutePath());
}

TEST_F(MainWindowStart, FavoritesListTopFolderFirstAndSkipsDotFolders) {
  const QString fav = home.file("fav");
  home.write("fav/b.url", "[InternetShortcut]\r\nURL=http://b.example/\r\n");
  home.write("fav/Sub/s.url", "[InternetShortcut]\r\nURL=http://s.example/\r\n");
  home.write("fav/.cache/c.url", "[InternetShortcut]\r\nURL=http://c.example/\r\n");
  home.write("fav/a.desktop", "[Desktop Entry]\nType=Link\nURL=http://a.example/\n");
  qputenv("MARKLOOM_FAVORITES", fav.toLocal8Bit());
  MainWindow w;
  w.show();
  qunsetenv("MARKLOOM_FAVORITES");
  EXPECT_EQ(entriesOf(w.findChild<QListWidget*>("FavoritesList")),
            QStringList({"http://a.example/", "http://b.example/", "http://s.example/"}));
}

TEST_F(MainWindowStart, FilterBoxBecomesTheMaskAtOnce) {
  home.write("site/index.html", "x");
  home.write("site/notes.txt", "x");
  home.write("site/.hidden.txt", "x");
  home.write("site/script.js", "x");
  storeValue("", "Default Directory", home.file("site").toStdString());
  MainWindow w;
  w.show();
  auto* filter = w.findChild<QComboBox*>("FilterComboBox");
  EXPECT_EQ(filter->currentText(), "*.htm;*.html;*.shtml;*.asp;*.cfml");
  EXPECT_EQ(filter->count(), 7);
  EXPECT_EQ(w.codeController()->listedFiles(), QStringList({"index.html"}));
  filter->setEditText("*.txt");
  EXPECT_EQ(w.codeController()->listedFiles(), QStringList({".hidden.txt", "notes.txt"}));
  filter->setCurrentIndex(0);  // "*.*"
  EXPECT_EQ(w.codeController()->listedFiles().size(), 4);
}

TEST_F(MainWindowStart, DoubleClickInTheFileListOpensTheFile) {
  home.write("site/index.html", "<p>hello</p>\r\n");
  storeValue("", "Default Directory", home.file("site").toStdString());
  MainWindow w;
  w.show();
  auto* list = w.findChild<QTreeWidget*>("RzFileListBox1");
  ASSERT_EQ(list->topLevelItemCount(), 1);
  emit list->itemDoubleClicked(list->topLevelItem(0), 0);
  ASSERT_EQ(w.documents().size(), 1);
  EXPECT_EQ(w.documents().first()->windowTitle(), home.file("site/index.html"));
  EXPECT_EQ(w.documents().first()->document().editorOps().line(0), "<p>hello</p>");
}

struct ShortcutCase {
  std::string_view command;
  const char* shortcut;
};

TEST_F(MainWindowStart, MenuCommandsCarryTheirShortcuts) {
  MainWindow w;
  const ShortcutCase cases[] = {
      {ids::kNewDocument, "Ctrl+N"}, {ids::kOpenLocalFile, "Ctrl+O"}, {ids::kOpenFromWeb, "Ctrl+W"},
      {ids::kSave, "Ctrl+S"},        {ids::kPrint, "Ctrl+P"},         {ids::kExit, "Alt+X"},
      {ids::kUndo, "Ctrl+Z"},        {ids::kRedo, "Ctrl+Y"},          {ids::kCut, "Ctrl+X"},
      {ids::kCopy, "Ctrl+C"},        {ids::kPaste, "Ctrl+V"},         {ids::kSelectAll, "Ctrl+A"},
      {ids::kFind, "Ctrl+F"},        {ids::kReplace, "Ctrl+R"},       {ids::kGoToLine, "Ctrl+G"},
      {ids::kSpellCheck, "F7"},      {ids::kContents, "F1"},          {ids::kSaveAs, ""},
      {ids::kValidateDocument, ""},  {ids::kRecentFiles, ""},
  };
  for (const auto& c : cases) {
    QAction* a = w.action(c.command);
    ASSERT_NE(a, nullptr) << c.command;
    EXPECT_EQ(a->shortcut().toString(), QString(c.shortcut)) << c.command;
  }
}

TEST_F(MainWindowStart, MenusListTheirEntriesInOrder) {
  MainWindow w;
  auto captions = [&](std::string_view menuId) {
    QStringList out;
    for (QAction* a : w.menu(menuId)->actions())
      if (!a->isSeparator()) out << a->text();
    return out;
  };
  EXPECT_EQ(captions(ids::kTidyMenu),
            QStringList({"&Format HTML", "F&ix and Format HTML", "&Upgrade to Style Sheets", "U&pgrade to XML 1.0",
                         "Up&grade to XHTML 1.0", "&Compress Document", "&Validate Document", "Validation &Rules"}));
  EXPECT_EQ(captions(ids::kWindowMenu), QStringList({"Tile", "Cascade", "Next", "Previous", "Open Documents"}));
  EXPECT_EQ(captions(ids::kExportMenu),
            QStringList({"&UNIX Format", "&Mac Format", "Highlighted Code to RTF", "Highlighted Code to HTML"}));
  EXPECT_EQ(captions(ids::kSetBookmarkMenu).size(), 10);
  EXPECT_EQ(captions(ids::kMakerWebMenu),
            QStringList({"Tarnwell Homepage", "Tarnwell Products Guide", "Technical Support", "Markloom Homepage"}));
  EXPECT_EQ(w.action(ids::kCompressDocument)->text(), "&Compress Document");
}

// Alt and a letter opens a menu of the menu bar only while no two menus
// share the letter.
TEST_F(MainWindowStart, MenuBarMnemonicsAreUnique) {
  MainWindow w;
  EXPECT_EQ(w.menu(ids::kTidyMenu)->title(), "Ti&dy");
  QMap<QChar, QStringList> byLetter;
  for (QAction* a : w.menuBar()->actions()) {
    const QString caption = a->text();
    const qsizetype amp = caption.indexOf('&');
    ASSERT_GE(amp, 0) << caption.toStdString();
    byLetter[caption.at(amp + 1).toLower()] << caption;
  }
  for (auto it = byLetter.cbegin(); it != byLetter.cend(); ++it)
    EXPECT_EQ(it.value().size(), 1) << it.value().join(", ").toStdString();
}

TEST_F(MainWindowStart, ContentWizardsBeepsAndSaysNotYetAvailable) {
  MainWindow w;
  prompter.answers.push_back(Prompter::Answer::Ok);
  w.action(ids::kContentWizards)->trigger();
  EXPECT_EQ(prompter.beeps, 1);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "This feature is not yet available.");
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Information);
  EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::Ok);
}

TEST_F(MainWindowStart, ShowResultsShowsThePanelOnTheTab) {
  MainWindow w;
  w.show();
  w.showResults(MainWindow::ResultsTab::Tidy);
  EXPECT_TRUE(w.findChild<QDockWidget*>("Results")->isVisible());
  EXPECT_EQ(w.findChild<QTabWidget*>("ResultsTabs")->currentIndex(), 1);
}

TEST_F(MainWindowStart, ResultsPanelComesBackAtTheHeightTheUserGaveIt) {
  MainWindow w;
  w.resize(900, 700);
  w.show();
  auto* results = w.findChild<QDockWidget*>("Results");
  w.showResults(MainWindow::ResultsTab::Validation);
  QCoreApplication::processEvents();
  w.resizeDocks({results}, {260}, Qt::Vertical);  // as dragging the splitter does
  QCoreApplication::processEvents();
  const int chosen = results->height();
  ASSERT_GT(chosen, 150);
  results->close();
  QCoreApplication::processEvents();
  w.showResults(MainWindow::ResultsTab::Tidy);
  QCoreApplication::processEvents();
  EXPECT_EQ(results->height(), chosen);
}

// An entry that nothing answers is greyed, in the menu and on the toolbars,
// instead of doing nothing when chosen; entries with a handler stay enabled.
TEST_F(MainWindowStart, OnlyEntriesWithAHandlerAreEnabled) {
  MainWindow w;
  w.show();
  struct Row {
    std::string_view command;
    bool enabled;
  };
  const Row rows[] = {
      {ids::kImportTextFiles, false},
      {ids::kImportOtherFiles, false},
      {ids::kExportUnixFormat, false},
      {ids::kExportMacFormat, false},
      {ids::kExportHighlightedHtml, false},
      {ids::kImageMapCreator, false},
      {ids::kWebUpdate, false},
      {ids::kConvertImageToWbmp, false},
      {ids::kSave, true},
      {ids::kExit, true},
      {ids::kContentWizards, true},
      {ids::kMultiFileReplace, true},
      {ids::kSetBookmark[0], true},
      {ids::kGoToBookmark[9], true},
      {ids::kLayerCreator, true},
      {ids::kRecentFiles, true},  // a submenu of its own
      {ids::kHostdeck, true},
  };
  for (const Row& row : rows) {
    QAction* a = w.action(row.command);
    ASSERT_NE(a, nullptr) << row.command;
    EXPECT_EQ(a->isEnabled(), row.enabled) << row.command;
  }
  // A submenu whose entries are all greyed is greyed itself.
  EXPECT_FALSE(w.menu(ids::kImportMenu)->menuAction()->isEnabled());
  EXPECT_FALSE(w.menu(ids::kExportMenu)->menuAction()->isEnabled());
  EXPECT_TRUE(w.menu(ids::kBookmarksMenu)->menuAction()->isEnabled());
  EXPECT_TRUE(w.menu(ids::kFileMenu)->menuAction()->isEnabled());
  EXPECT_TRUE(w.menu(ids::kOpenDocumentsMenu)->menuAction()->isEnabled());
  auto* tools = w.findChild<QToolBar*>(QString::fromUtf8(ids::kToolsToolbar));
  EXPECT_FALSE(tools->widgetForAction(w.action(ids::kImageMapCreator))->isEnabled());
  EXPECT_TRUE(tools->widgetForAction(w.action(ids::kSpellCheck))->isEnabled());
}

// Open from Web comes up over the middle of the main window, wherever that is.
TEST_F(MainWindowStart, OpenFromWebIsCentredOnTheMainWindow) {
  MainWindow w;
  w.move(300, 200);
  w.show();
  QCoreApplication::processEvents();
  w.action(ids::kOpenFromWeb)->trigger();
  QWidget* web = w.findChild<QWidget*>("WebForm");
  ASSERT_NE(web, nullptr);
  ASSERT_TRUE(web->isVisible());
  const QPoint offset = web->frameGeometry().center() - w.frameGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << ", " << offset.y();
  web->hide();
}

}  // namespace
}  // namespace markloom
