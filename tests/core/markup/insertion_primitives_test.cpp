// The four insertion primitives on an in-memory document: where the text goes,
// where the caret ends, and that each is one undo step.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document/text_buffer.h"
#include "core/markup/insertion_primitives.h"

namespace markloom {
namespace {

using Lines = std::vector<std::string>;

TEST(WrapSelection, KeepsALineBreakOfTheSelectionInsideThePair) {
  TextBuffer b(Lines{"ab", "cd"});
  b.select({0, 1}, {1, 1});  // a[b / c]d
  WrapSelection(b, "<b>", "</b>");
  EXPECT_EQ(b.lines(), (Lines{"a<b>b", "c</b>d"}));
  EXPECT_EQ(b.caret(), (TextPosition{1, 5}));
  b.undo();
  EXPECT_EQ(b.lines(), (Lines{"ab", "cd"}));
}

TEST(WrapSelection, WrapsABackwardSelectionTheSameWay) {
  TextBuffer b(Lines{"xabcx"});
  b.select({0, 4}, {0, 1});  // caret at the start of the selection
  WrapSelection(b, "<i>", "</i>");
  EXPECT_EQ(b.lines(), (Lines{"x<i>abc</i>x"}));
  EXPECT_EQ(b.caret(), (TextPosition{0, 11}));
}

TEST(InsertSnippet, TwoSnippetsReadInReverseOrderWithTheCaretInFrontOfBoth) {
  TextBuffer b(Lines{"ab"});
  b.setCaret({0, 1});
  InsertSnippet(b, "<BR>");
  InsertSnippet(b, "<HR>");
  EXPECT_EQ(b.lines(), (Lines{"a<HR><BR>b"}));
  EXPECT_EQ(b.caret(), (TextPosition{0, 1}));
}

TEST(InsertSnippet, PadsALineShorterThanTheCaretColumn) {
  TextBuffer b(Lines{"ab", "c"});
  b.setCaret({0, 5});
  InsertSnippet(b, "<BR>");
  EXPECT_EQ(b.lines(), (Lines{"ab   <BR>", "c"}));
  EXPECT_EQ(b.caret(), (TextPosition{0, 5}));
}

TEST(InsertSnippet, LeavesTheSelectedTextInPlace) {
  TextBuffer b(Lines{"abc"});
  b.select({0, 0}, {0, 2});
  InsertSnippet(b, "<HR>");
  EXPECT_EQ(b.lines(), (Lines{"ab<HR>c"}));
}

TEST(InsertBlock, InsertsWholeLinesAtTheCaretAsOneStep) {
  TextBuffer b(Lines{"abcd"});
  b.setCaret({0, 2});
  InsertBlock(b, {"<p>", "</p>"});
  EXPECT_EQ(b.lines(), (Lines{"ab<p>", "</p>", "cd"}));
  b.undo();
  EXPECT_EQ(b.lines(), (Lines{"abcd"}));
}

TEST(InsertBlock, AnEmptyListChangesNothing) {
  TextBuffer b(Lines{"abcd"});
  InsertBlock(b, {});
  EXPECT_EQ(b.lines(), (Lines{"abcd"}));
  EXPECT_FALSE(b.modified());
}

TEST(InsertLinesAboveCaret, PutsThreeLinesAboveTheCaretLineWithoutSplittingIt) {
  TextBuffer b(Lines{"l1", "l2", "l3", "l4", "line five", "l6"});
  b.setCaret({4, 4});  // in the middle of line 5
  InsertLinesAboveCaret(b, "<?", "if ($a > $b)", "     print \"a > b\" ?>");
  EXPECT_EQ(b.lines(),
            (Lines{"l1", "l2", "l3", "l4", "<?", "if ($a > $b)", "     print \"a > b\" ?>", "line five", "l6"}));
  EXPECT_EQ(b.caret(), (TextPosition{7, 4}));
  b.undo();
  EXPECT_EQ(b.lines(), (Lines{"l1", "l2", "l3", "l4", "line five", "l6"}));
}

TEST(InsertLinesAboveCaret, WorksOnTheEmptyLineAfterAFinalLineEnd) {
  TextBuffer b(Lines{"a", "b"});  // every line ended: the caret can stand on line 2
  b.setCaret({2, 0});
  InsertLinesAboveCaret(b, "<?", "} else {", "?>");
  EXPECT_EQ(b.lines(), (Lines{"a", "b", "<?", "} else {", "?>"}));
  EXPECT_EQ(b.caret(), (TextPosition{5, 0}));
}

TEST(InsertLinesAboveCaret, MovesASelectionDownWithItsLine) {
  TextBuffer b(Lines{"one", "two"});
  b.select({1, 0}, {1, 3});
  InsertLinesAboveCaret(b, "a", "b", "c");
  EXPECT_EQ(b.selectedText(), "two");
  EXPECT_EQ(b.caret(), (TextPosition{4, 3}));
}

// An editor that keeps the caret where it was when a line goes in right at it.
class StickyCaretBuffer : public TextBuffer {
 public:
  using TextBuffer::TextBuffer;
  void insertLine(int index, const std::string& text) override {
    const TextPosition keep = caret();
    TextBuffer::insertLine(index, text);
    setCaret(keep);
  }
};

TEST(InsertLinesAboveCaret, LeavesTheCaretOnItsLineWhateverTheEditorDoes) {
  StickyCaretBuffer b(Lines{"one", "two"});
  b.setCaret({1, 2});
  InsertLinesAboveCaret(b, "a", "b", "c");
  EXPECT_EQ(b.lines(), (Lines{"one", "a", "b", "c", "two"}));
  EXPECT_EQ(b.caret(), (TextPosition{4, 2}));
}

}  // namespace
}  // namespace markloom
