#pragma once
// The behaviour every EditorOps implementation must show. The same table runs
// against the in-memory TextBuffer and the editor adapter of the document
// window; each test program supplies an EditorUnderTest for its implementation.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/document/editor_ops.h"

namespace markloom::contract {

using Lines = std::vector<std::string>;

// One editor for one case: built from lines (every line ended, not modified,
// empty undo history), with a way to pick a popup entry and to type.
class EditorUnderTest {
 public:
  virtual ~EditorUnderTest() = default;
  virtual EditorOps& ops() = 0;
  virtual void pickPopupItem(const std::string& item) = 0;  // as the user would pick it
  virtual void type(const std::string& text) = 0;
};
using EditorFactory = std::function<std::unique_ptr<EditorUnderTest>(const Lines&)>;

struct Case {
  std::string name;
  Lines initial;
  // Acts on the editor; what it returns is compared with `result`.
  std::function<std::string(EditorUnderTest&)> act;
  std::string result;
  Lines expected;                     // lines() afterwards
  std::optional<TextPosition> caret;  // caret afterwards, when it matters
};

inline std::ostream& operator<<(std::ostream& os, const Case& c) { return os << c.name; }

inline std::string str(bool b) { return b ? "true" : "false"; }

inline std::vector<Case> cases() {
  using P = TextPosition;
  return {
      {"SelectedTextJoinsLinesWithCrLf",
       {"abc", "def", "ghi"},
       [](auto& e) {
         e.ops().select(P{0, 1}, P{2, 2});
         return e.ops().selectedText();
       },
       "bc\r\ndef\r\ngh",
       {"abc", "def", "ghi"},
       P{2, 2}},
      {"SelectedTextOfBackwardSelection",
       {"abc", "def"},
       [](auto& e) {
         e.ops().select(P{1, 1}, P{0, 2});
         return e.ops().selectedText();
       },
       "c\r\nd",
       {"abc", "def"},
       P{0, 2}},
      {"SelectedTextEmptyWithoutSelection",
       {"abc"},
       [](auto& e) {
         e.ops().setCaret(P{0, 1});
         return e.ops().selectedText() + str(e.ops().hasSelection());
       },
       "false",
       {"abc"},
       P{0, 1}},
      {"ReplaceSelectionLeavesCaretAfterText",
       {"hello world"},
       [](auto& e) {
         e.ops().select(P{0, 6}, P{0, 11});
         e.ops().replaceSelection("there");
         return e.ops().selectedText();
       },
       "",
       {"hello there"},
       P{0, 11}},
      {"ReplaceSelectionWithLinesEndsOnLastLine",
       {"ab"},
       [](auto& e) {
         e.ops().setCaret(P{0, 1});
         e.ops().replaceSelection("x\r\nyz");
         return std::string();
       },
       "",
       {"ax", "yzb"},
       P{1, 2}},
      {"ReplaceSelectionAcceptsLfLineEnds",
       {"ab"},
       [](auto& e) {
         e.ops().setCaret(P{0, 1});
         e.ops().replaceSelection("x\ny");
         return std::string();
       },
       "",
       {"ax", "yb"},
       P{1, 1}},
      {"ReplaceSelectionIsOneUndoStep",
       {"abc", "def"},
       [](auto& e) {
         e.ops().select(P{0, 1}, P{1, 1});
         e.ops().replaceSelection("XY\r\nZ");
         e.ops().undo();
         return std::string();
       },
       "",
       {"abc", "def"},
       std::nullopt},
      {"ReplaceSelectionBeyondEndOfLinePads",
       {"ab"},
       [](auto& e) {
         e.ops().setCaret(P{0, 4});
         e.ops().replaceSelection("X");
         return std::string();
       },
       "",
       {"ab  X"},
       P{0, 5}},
      {"InsertAtCaretKeepsCaretInFront",
       {"ab"},
       [](auto& e) {
         e.ops().setCaret(P{0, 1});
         e.ops().insertAtCaret("X");
         return std::string();
       },
       "",
       {"aXb"},
       P{0, 1}},
      {"SecondInsertionLandsBeforeFirst",
       {"ab"},
       [](auto& e) {
         e.ops().setCaret(P{0, 1});
         e.ops().insertAtCaret("<b>");
         e.ops().insertAtCaret("<i>");
         return std::string();
       },
       "",
       {"a<i><b>b"},
       P{0, 1}},
      {"InsertAtCaretBeyondEndOfLinePadsWithSpaces",
       {"ab", "c"},
       [](auto& e) {
         e.ops().setCaret(P{0, 5});
         e.ops().insertAtCaret("X");
         return std::string();
       },
       "",
       {"ab   X", "c"},
       P{0, 5}},
      {"InsertAtCaretWithLineEnds",
       {"ab"},
       [](auto& e) {
         e.ops().setCaret(P{0, 1});
         e.ops().insertAtCaret("x\r\ny");
         return std::string();
       },
       "",
       {"ax", "yb"},
       P{0, 1}},
      {"InsertLinesAtCaretOnLineStart",
       {"ab", "cd"},
       [](auto& e) {
         e.ops().setCaret(P{1, 0});
         e.ops().insertLinesAtCaret({"l1", "l2"});
         return std::string();
       },
       "",
       {"ab", "l1", "l2", "cd"},
       P{1, 0}},
      {"InsertLinesAtCaretSplitsTheLine",
       {"abcd"},
       [](auto& e) {
         e.ops().setCaret(P{0, 2});
         e.ops().insertLinesAtCaret({"l1", "l2"});
         return std::string();
       },
       "",
       {"abl1", "l2", "cd"},
       P{0, 2}},
      {"CaretLineIndexIsZeroBased",
       {"a", "b", "c"},
       [](auto& e) {
         e.ops().setCaret(P{2, 1});
         return std::to_string(e.ops().caretLineIndex());
       },
       "2",
       {"a", "b", "c"},
       P{2, 1}},
      {"CaretStaysOnTheLastLine",
       {"a", "b"},
       [](auto& e) {
         e.ops().setCaret(P{9, 0});
         return std::to_string(e.ops().caretLineIndex());
       },
       "2",
       {"a", "b"},
       P{2, 0}},
      {"LinesReadByIndex",
       {"first", "", "third"},
       [](auto& e) {
         return std::to_string(e.ops().lineCount()) + "|" + e.ops().line(0) + "|" + e.ops().line(1) + "|" +
                e.ops().line(2);
       },
       "3|first||third",
       {"first", "", "third"},
       std::nullopt},
      {"InsertLineInTheMiddleAndAtTheEnd",
       {"a", "c"},
       [](auto& e) {
         e.ops().insertLine(1, "b");
         e.ops().insertLine(3, "d");
         return std::string();
       },
       "",
       {"a", "b", "c", "d"},
       std::nullopt},
      {"InsertLineMovesCaretLineDown",
       {"a", "b"},
       [](auto& e) {
         e.ops().setCaret(P{1, 1});
         e.ops().insertLine(0, "new");
         return std::string();
       },
       "",
       {"new", "a", "b"},
       P{2, 1}},
      {"SetLinesReplacesAll",
       {"old", "text"},
       [](auto& e) {
         e.ops().setLines({"x", "", "y"});
         return e.ops().text();
       },
       "x\r\n\r\ny\r\n",
       {"x", "", "y"},
       P{0, 0}},
      {"SetLinesEmpty",
       {"old"},
       [](auto& e) {
         e.ops().setLines({});
         return e.ops().text() + std::to_string(e.ops().lineCount());
       },
       "0",
       {},
       P{0, 0}},
      {"TextEndsEveryLineWithCrLf",
       {"a", "b"},
       [](auto& e) { return e.ops().text(); },
       "a\r\nb\r\n",
       {"a", "b"},
       std::nullopt},
      {"WordAtCaretKeepsDotAndAngle",
       {"x = <document.write(1)"},
       [](auto& e) {
         e.ops().setCaret(P{0, 14});
         return e.ops().wordAtCaret();
       },
       "<document.",
       {"x = <document.write(1)"},
       P{0, 14}},
      {"WordAtCaretEndsAtTheCaret",
       {"<p>"},
       [](auto& e) {
         e.ops().setCaret(P{0, 1});
         return e.ops().wordAtCaret();
       },
       "<",
       {"<p>"},
       P{0, 1}},
      {"WordAtCaretAtWordEnd",
       {"foo bar"},
       [](auto& e) {
         e.ops().setCaret(P{0, 3});
         return e.ops().wordAtCaret();
       },
       "foo",
       {"foo bar"},
       P{0, 3}},
      {"WordAtCaretOnBlankIsEmpty",
       {"a  b"},
       [](auto& e) {
         e.ops().setCaret(P{0, 2});
         return e.ops().wordAtCaret();
       },
       "",
       {"a  b"},
       P{0, 2}},
      {"PopupPickReplacesTypedText",
       {"<"},
       [](auto& e) {
         e.ops().setCaret(P{0, 1});
         e.ops().showPopupList({"table", "tbody", "td"});
         e.type("tb");
         e.pickPopupItem("tbody");
         return std::string();
       },
       "",
       {"<tbody"},
       P{0, 6}},
      {"LineToUpperAsciiOnly",
       {"Grüße 123 abc", "next"},
       [](auto& e) {
         e.ops().setCaret(P{0, 2});
         e.ops().lineToUpper();
         return std::string();
       },
       "",
       {"GRüßE 123 ABC", "next"},
       P{0, 2}},
      {"LineToLowerAsciiOnly",
       {"ÄBC Def"},
       [](auto& e) {
         e.ops().setCaret(P{0, 0});
         e.ops().lineToLower();
         return std::string();
       },
       "",
       {"Äbc def"},
       P{0, 0}},
      {"CapitalizeLineWords",
       {"hello WORLD foo_bar 2nd"},
       [](auto& e) {
         e.ops().setCaret(P{0, 0});
         e.ops().capitalizeLine();
         return std::string();
       },
       "",
       {"Hello World Foo_bar 2nd"},
       P{0, 0}},
      {"SelectionToUpperAcrossLinesKeepsSelection",
       {"abc", "grüße 123", "xyz"},
       [](auto& e) {
         e.ops().select(P{0, 1}, P{1, 7});
         e.ops().selectionToUpper();
         return e.ops().selectedText();
       },
       "BC\r\nGRüßE",
       {"aBC", "GRüßE 123", "xyz"},
       P{1, 7}},
      {"SelectionToLowerThenUndo",
       {"ABC"},
       [](auto& e) {
         e.ops().select(P{0, 0}, P{0, 2});
         e.ops().selectionToLower();
         std::string mid = e.ops().line(0);
         e.ops().undo();
         return mid;
       },
       "abC",
       {"ABC"},
       std::nullopt},
      {"CaseCommandWithoutSelectionChangesNothing",
       {"abc"},
       [](auto& e) {
         e.ops().setCaret(P{0, 1});
         e.ops().selectionToUpper();
         return str(e.ops().modified());
       },
       "false",
       {"abc"},
       P{0, 1}},
      {"GoToTopAndBottom",
       {"ab", "cde"},
       [](auto& e) {
         e.ops().setCaret(P{1, 1});
         e.ops().goToTop();
         auto top = e.ops().caret();
         e.ops().goToBottom();
         return std::to_string(top.line) + "," + std::to_string(top.column);
       },
       "0,0",
       {"ab", "cde"},
       P{2, 0}},
      {"ModifiedFollowsEditsAndSetter",
       {"a"},
       [](auto& e) {
         std::string r = str(e.ops().modified());
         e.ops().insertAtCaret("x");
         r += str(e.ops().modified());
         e.ops().setModified(false);
         return r + str(e.ops().modified());
       },
       "falsetruefalse",
       {"xa"},
       std::nullopt},
      {"UndoRedo",
       {"a"},
       [](auto& e) {
         e.ops().setCaret(P{0, 1});
         e.ops().replaceSelection("b");
         e.ops().undo();
         std::string r = e.ops().line(0);
         e.ops().redo();
         return r;
       },
       "a",
       {"ab"},
       std::nullopt},
      {"GroupedChangesUndoTogether",
       {"a"},
       [](auto& e) {
         e.ops().setCaret(P{0, 1});
         e.ops().beginUndoAction();
         e.ops().replaceSelection("b");
         e.ops().replaceSelection("c");
         e.ops().insertLine(0, "top");
         e.ops().endUndoAction();
         e.ops().undo();
         return std::string();
       },
       "",
       {"a"},
       std::nullopt},
  };
}

inline void runCase(const EditorFactory& factory, const Case& c) {
  auto editor = factory(c.initial);
  ASSERT_EQ(editor->ops().lines(), c.initial) << "initial lines";
  EXPECT_EQ(c.act(*editor), c.result);
  EXPECT_EQ(editor->ops().lines(), c.expected);
  if (c.caret) {
    EXPECT_EQ(editor->ops().caret(), *c.caret);
  }
}

}  // namespace markloom::contract

namespace markloom {
inline void PrintTo(const TextPosition& p, std::ostream* os) { *os << "(" << p.line << "," << p.column << ")"; }
}  // namespace markloom
