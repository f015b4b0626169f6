// Menu shortcuts of the window win over the editor's default keys (Ctrl+L is
// the editor's line cut and Ctrl+T its line transpose, but the Insert menu's
// "Rollover Image" and "Table" own them); keys of a chosen key mapping stay the
// editor's.
#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QTest>

#include "platform/editor/keymaps.h"
#include "platform/editor/markloom_editor.h"

namespace markloom {
namespace {

struct ShortcutCase {
  const char* name;
  QKeyCombination key;
  bool menuOwnsIt;      // a window action has this shortcut
  const char* mapping;  // key mapping of the editor
  bool menuWins;
};

class EditorShortcuts : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(EditorShortcuts, KeyGoesToTheWindowOrTheEditor) {
  QMainWindow window;
  auto* editor = new MarkloomEditor(&window);
  window.setCentralWidget(editor);
  int triggered = 0;
  if (GetParam().menuOwnsIt) {
    auto* action = new QAction("Menu command", &window);
    action->setShortcut(QKeySequence(GetParam().key));
    window.addAction(action);
    QObject::connect(action, &QAction::triggered, [&] { ++triggered; });
  }
  ASSERT_TRUE(applyKeymapping(*editor, GetParam().mapping));
  editor->setText("first\nsecond\n");
  editor->setCursorPosition(1, 0);
  window.show();
  window.activateWindow();
  editor->setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window, 5000));
  QTest::keyClick(editor, GetParam().key.key(), GetParam().key.keyboardModifiers());
  if (GetParam().menuWins) {
    EXPECT_EQ(triggered, 1);
    EXPECT_EQ(editor->text(), "first\nsecond\n");
  } else {
    EXPECT_EQ(triggered, 0);
    EXPECT_NE(editor->text(), "first\nsecond\n");  // the editor's own command ran
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditorShortcuts,
    ::testing::Values(ShortcutCase{"CtrlLOwnedByMenu", Qt::CTRL | Qt::Key_L, true, "Default", true},
                      ShortcutCase{"CtrlTOwnedByMenu", Qt::CTRL | Qt::Key_T, true, "Default", true},
                      ShortcutCase{"CtrlLWithoutMenuCutsTheLine", Qt::CTRL | Qt::Key_L, false, "Default", false},
                      ShortcutCase{"MappedKeyStaysTheEditors", Qt::CTRL | Qt::Key_L, true, "Visual Studio", false},
                      ShortcutCase{"ClassicCtrlYDeletesTheLine", Qt::CTRL | Qt::Key_Y, true, "Classic", false}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace markloom
