// Every shortcut of the menus reaches its own command wherever the focus is,
// and every menu's accelerators are unique.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include "core/common/command_ids.h"
#include "platform/editor/markloom_editor.h"
#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/app/main_window.h"
#include "ui/app/menu_table.h"
#include "ui/codecontroller/code_controller.h"
#include "ui/document/document_window.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

struct FocusPlace {
  const char* name;
  QWidget* (*find)(MainWindow&);
};
void PrintTo(const FocusPlace& place, std::ostream* os) { *os << place.name; }

QWidget* documentEditor(MainWindow& w) { return w.activeDocument()->findChild<MarkloomEditor*>(); }
QWidget* filesTree(MainWindow& w) { return w.codeController()->findChild<QTreeView*>("FolderTree"); }
QWidget* resultsList(MainWindow& w) {
  w.showResults(ResultsTab::Validation);
  return w.validationList();
}

const FocusPlace kFocusPlaces[] = {
    {"document", documentEditor},
    {"files tree", filesTree},
    {"results panel", resultsList},
};

class MenuShortcuts : public ::testing::TestWithParam<FocusPlace> {
 protected:
  TempHome home;
  ScriptedPrompter prompter;
};

TEST_P(MenuShortcuts, EachRunsItsOwnCommand) {
  MainWindow w;
  w.show();
  w.createDocument();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

  QWidget* target = GetParam().find(w);
  ASSERT_NE(target, nullptr);

  int checked = 0;
  for (const MenuCommand& c : menuTable()) {
    if (c.shortcut.empty()) continue;
    QAction* command = w.action(qs(c.name));
    ASSERT_NE(command, nullptr) << c.name;
    ASSERT_TRUE(command->isEnabled()) << c.name << " is greyed with a document open";
    // Only the dispatch is under test here: the commands themselves (dialogs,
    // Exit) are not run, so nothing modal opens.
    QObject::disconnect(command, &QAction::triggered, nullptr, nullptr);
    QSignalSpy triggered(command, &QAction::triggered);

    target->setFocus();
    const QKeySequence keys(qs(c.shortcut));
    QTest::keySequence(target, keys);
    EXPECT_EQ(triggered.count(), 1) << c.shortcut << " (" << c.name << ") with the focus in the "
                                    << GetParam().name;
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(FocusPlaces, MenuShortcuts, ::testing::ValuesIn(kFocusPlaces),
                         [](const auto& row) {
                           std::string name = row.param.name;
                           for (char& ch : name)
                             if (ch == ' ') ch = '_';
                           return name;
                         });

// The letter after '&' in a caption, lower-cased; 0 when there is none.
QChar accelerator(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return caption[i + 1].toLower();
  }
  return QChar();
}

TEST(MenuAccelerators, AreUniqueWithinEveryMenu) {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow w;

  QList<QWidget*> menus{w.menuBar()};
  for (QMenu* m : w.findChildren<QMenu*>()) menus << m;
  int menusSeen = 0;
  for (QWidget* menu : menus) {
    QMap<QChar, QString> taken;
    for (QAction* a : menu->actions()) {
      if (a->isSeparator() || !a->isVisible()) continue;
      const QChar key = accelerator(a->text());
      if (key.isNull()) continue;
      EXPECT_FALSE(taken.contains(key)) << menu->objectName().toStdString() << ": \"" << a->text().toStdString()
                                        << "\" and \"" << taken.value(key).toStdString() << "\" share &"
                                        << QString(key).toStdString();
      taken.insert(key, a->text());
    }
    ++menusSeen;
  }
  EXPECT_GT(menusSeen, 10);
}

TEST(MenuAccelerators, AcceleratorOfCaption) {
  EXPECT_EQ(accelerator("&Print"), QChar('p'));
  EXPECT_EQ(accelerator("Up&grade"), QChar('g'));
  EXPECT_EQ(accelerator("Save && &Close"), QChar('c'));
  EXPECT_TRUE(accelerator("Tile").isNull());
}

}  // namespace
}  // namespace markloom
