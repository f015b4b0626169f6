// The editor's own behaviour beyond the shared contract: hint requests after a
// pause, colouring through the scheme, loading bytes and line ends.
#include <gtest/gtest.h>

#include <QElapsedTimer>
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
  ops.insertAtCaret("<!--");  // the rest of the text becomes a comment
  editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
  const long c = ops.lines().size() == 3 ? editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, 2UL) : 0;
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(c)),
            styleNumber(0, TokenClass::Comment));
}

// Long ranges are coloured a piece (1 MB) at a time: a comment open across a
// piece's end, a CR LF split by it, a line longer than a piece and a last line
// without a line end come out as colouring the whole text at once does.
TEST_F(Editor, ColouringInPiecesMatchesColouringTheWhole) {
  constexpr std::size_t kPiece = 1 << 20;
  std::string text = "<p>start</p>\r\n<!-- open\r\n";
  while (text.size() < kPiece - 40) text += "inside the comment, <b>not a tag</b>\r\n";
  text += std::string(kPiece - 1 - text.size(), 'x');
  text += "\r\n--> <i>after</i>\r\n<script>\r\nvar s = 'a';";  // the CR ends the first piece
  text += std::string(5 * kPiece / 2, 'y') + " // long\r\n</script>\r\n<b>last</b>";
  SchemeLexer lexer(defaultScheme());
  editor.setLexer(&lexer);
  editor.loadBytes(text);
  editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
  const std::vector<unsigned char> whole = SchemeStyler(defaultScheme()).styleText(text);
  ASSERT_EQ(whole.size(), text.size());
  std::size_t differ = 0, first = text.size();
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(at)) == whole[at]) continue;
    ++differ;
    first = std::min(first, at);
  }
  EXPECT_EQ(differ, 0u) << "first at " << first;
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED), static_cast<long>(text.size()));
  // Each line keeps the state at its end, where the next colouring restarts.
  const SchemeStyler styler(defaultScheme());
  std::vector<unsigned char> scratch;
  const long lines = editor.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
  int state = 0, wrong = 0;
  for (long line = 0; line < lines; ++line) {
    const long from = editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long to = line + 1 < lines ? editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE,
                                                            static_cast<unsigned long>(line + 1))
                                     : static_cast<long>(text.size());
    state = styler.styleLine(
        std::string_view(text).substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)), state,
        scratch);
    wrong += editor.SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, static_cast<unsigned long>(line)) != state;
  }
  EXPECT_EQ(wrong, 0);
}

// A large text is coloured ahead in idle time after a load, and a jump to its
// end before that shows at once and gets its colours in slices.
TEST_F(Editor, LargeTextIsColouredAheadInIdleTime) {
  std::string text = "<!-- the whole page is one comment\r\n";
  while (text.size() < (8u << 20)) text += "<p>text <b>bold</b> and more text in the comment</p>\r\n";
  text += "end -->\r\n<p>after</p>";
  const std::vector<unsigned char> whole = SchemeStyler(defaultScheme()).styleText(text);
  SchemeLexer lexer(defaultScheme());
  editor.setWrapMode(QsciScintilla::WrapNone);
  editor.setLexer(&lexer);
  const long length = static_cast<long>(text.size());
  const auto colouredInIdleTime = [&] {
    QElapsedTimer clock;
    clock.start();
    while (editor.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED) < length && clock.elapsed() < 20000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return editor.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED) == length;
  };
  const auto tailMatches = [&] {
    int wrong = 0;
    for (long at = length - 30; at < length; ++at)
      wrong += editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(at)) !=
               whole[static_cast<std::size_t>(at)];
    return wrong == 0 &&
           editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(text.find("end -->"))) ==
               styleNumber(0, TokenClass::Comment);
  };

  // Left alone after the load: coloured to the end without being asked.
  editor.loadBytes(text);
  editor.viewport()->repaint();
  EXPECT_LT(editor.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED), length);
  ASSERT_TRUE(colouredInIdleTime());
  EXPECT_TRUE(tailMatches());

  // Ctrl+End right after the load: shown before the end is coloured, then coloured.
  editor.loadBytes(text);
  editor.viewport()->repaint();
  QTest::keyClick(&editor, Qt::Key_End, Qt::ControlModifier);
  editor.viewport()->repaint();
  EXPECT_LT(editor.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED), length);
  ASSERT_TRUE(colouredInIdleTime());
  EXPECT_TRUE(tailMatches());
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
