#include <gtest/gtest.h>

#include <QTest>

#include "core/document/editor_contract_cases.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scintilla_editor_ops.h"

namespace markloom {
namespace {

class ScintillaUnderTest : public contract::EditorUnderTest {
 public:
  explicit ScintillaUnderTest(const contract::Lines& lines) : adapter(editor) {
    editor.resize(400, 300);
    editor.show();
    adapter.setLines(lines);
    editor.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    adapter.setModified(false);
  }
  EditorOps& ops() override { return adapter; }
  void pickPopupItem(const std::string& item) override {
    ASSERT_TRUE(editor.popupShowing());
    // Move the list's selection to the entry and accept it with Enter.
    editor.SendScintilla(QsciScintillaBase::SCI_AUTOCSELECT, 0UL, item.c_str());
    QTest::keyClick(&editor, Qt::Key_Return);
  }
  void type(const std::string& text) override { QTest::keyClicks(&editor, QString::fromStdString(text)); }

  MarkloomEditor editor;
  ScintillaEditorOps adapter;
};

class ScintillaContract : public ::testing::TestWithParam<contract::Case> {};

TEST_P(ScintillaContract, Holds) {
  contract::runCase([](const contract::Lines& l) { return std::make_unique<ScintillaUnderTest>(l); }, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, ScintillaContract, ::testing::ValuesIn(contract::cases()),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace markloom
