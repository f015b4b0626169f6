// The editor's own behaviour beyond the shared contract: hint requests after a
// pause, colouring through the scheme, loading bytes and line ends.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "core/highlighting/syntax_scheme.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scheme_lexer.h"
#include "platform/editor/scintilla_editor_ops.h"

namespace markloom {
namespace {

class Editor : public ::testing::Test {
 protected:
  void SetUp() override {
    editor.resize(500, 300);
    editor.show();
    editor.setFocus();
  }
  MarkloomEditor editor;
};

TEST_F(Editor, PrintableKeyThenPauseAsksForAHint) {
  QSignalSpy spy(&editor, &MarkloomEditor::hintRequested);
  QTest::keyClick(&editor, Qt::Key_Less, Qt::NoModifier);
  EXPECT_EQ(spy.count(), 0);  // not before the pause
  EXPECT_TRUE(spy.wait(2000));
  EXPECT_EQ(spy.count(), 1);
}

TEST_F(Editor, NoHintForBlanksOrWhenTheCaretMoved) {
  QSignalSpy spy(&editor, &MarkloomEditor::hintRequested);
  QTest::keyClick(&editor, Qt::Key_Space);  // character code 32
  QTest::keyClick(&editor, Qt::Key_A);
  QTest::keyClick(&editor, Qt::Key_Left);  // a key press cancels; the caret moved too
  EXPECT_FALSE(spy.wait(MarkloomEditor::kHintDelayMs + 300));
}

TEST_F(Editor, NoHintWhileAListIsShowing) {
  editor.showPopupList({"alpha", "beta"});
  ASSERT_TRUE(editor.popupShowing());
  QSignalSpy spy(&editor, &MarkloomEditor::hintRequested);
  QTest::keyClick(&editor, Qt::Key_B);
  EXPECT_FALSE(spy.wait(MarkloomEditor::kHintDelayMs + 300));
}

TEST_F(Editor, SchemeColoursTheText) {
  SchemeLexer lexer(defaultScheme());
  editor.setLexer(&lexer);
  editor.loadBytes("<p class=\"x\">a</p><% Dim %>");
  editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
  auto styleAt = [&](long pos) {
    return static_cast<int>(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(pos)));
  };
  EXPECT_EQ(styleAt(0), styleNumber(1, TokenClass::Delimiter));
  EXPECT_EQ(styleAt(10), styleNumber(1, TokenClass::String));
  EXPECT_EQ(styleAt(13), styleNumber(0, TokenClass::Text));
  EXPECT_EQ(styleAt(21), styleNumber(2, TokenClass::Keyword));
  // Colours and fonts come from the scheme: strings maroon, ASP on aqua, keywords bold.
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, styleNumber(1, TokenClass::String)), 0x000080);
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETBACK, styleNumber(2, TokenClass::Keyword)), 0xFFFF00);
  EXPECT_TRUE(lexer.font(styleNumber(2, TokenClass::Keyword)).bold());
  EXPECT_TRUE(lexer.font(styleNumber(1, TokenClass::Comment)).italic());
}

TEST_F(Editor, RestylingAfterAnEditFollowsTheNewState) {
  SchemeLexer lexer(defaultScheme());
  editor.setLexer(&lexer);
  editor.loadBytes("a\r\nb\r\nc\r\n");
  editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
  ScintillaEditorOps ops(editor);
  ops.setCaret({0, 0});
  ops.InsertAtCaret("<!--");  // the rest of the text becomes a comment
  editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
  const long c = ops.Lines().size() == 3 ? editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, 2UL) : 0;
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(c)),
            styleNumber(0, TokenClass::Comment));
}

TEST_F(Editor, LoadKeepsBytesAndPicksTheMode) {
  editor.loadBytes("caf\xE9\nx");
  EXPECT_FALSE(editor.isUtf8Text());
  EXPECT_EQ(editor.lineEnd(), LineEnd::Lf);
  EXPECT_EQ(editor.bytes(), "caf\xE9\nx");
  editor.loadBytes("caf\xC3\xA9\r\n");
  EXPECT_TRUE(editor.isUtf8Text());
  EXPECT_EQ(editor.lineEnd(), LineEnd::CrLf);
  EXPECT_FALSE(editor.isModified());
  // Loading is not an undo step.
  editor.SendScintilla(QsciScintillaBase::SCI_UNDO);
  EXPECT_EQ(editor.bytes(), "caf\xC3\xA9\r\n");
}

}  // namespace
}  // namespace markloom
