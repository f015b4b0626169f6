#pragma once
// The operations every command uses on a document's text. Text is bytes:
// positions are (line, column) with the column counted in bytes of the line.
// Two implementations: TextBuffer (in memory, for tests and batch work) and the
// editor adapter of the document window.
#include <string>
#include <vector>

namespace markloom {

struct TextPosition {
  int line = 0;    // zero-based
  int column = 0;  // zero-based byte column; may lie beyond the end of the line
  friend bool operator==(const TextPosition&, const TextPosition&) = default;
};

class EditorOps {
 public:
  virtual ~EditorOps() = default;

  // Selection and caret. With no selection, anchor == caret.
  virtual TextPosition caret() const = 0;
  virtual TextPosition anchor() const = 0;
  virtual void setCaret(TextPosition position) = 0;  // clears the selection
  virtual void select(TextPosition anchor, TextPosition caret) = 0;
  virtual bool hasSelection() const = 0;

  // The selected text, lines joined by CR LF; empty when nothing is selected.
  virtual std::string selectedText() const = 0;
  // One undo step: delete the selection (if any), insert text at the caret;
  // the caret ends after the inserted text.
  virtual void replaceSelection(const std::string& text) = 0;
  // Insert text at the caret without moving it. A caret beyond the end of its
  // line is first reached by padding the line with spaces. A second insertion
  // therefore lands before the first. (The caret never lies below the last
  // line: setCaret and select keep it on the last line.)
  virtual void insertAtCaret(const std::string& text) = 0;
  // Insert whole lines at the caret (the caret's line is split there).
  virtual void insertLinesAtCaret(const std::vector<std::string>& lines) = 0;
  virtual int caretLineIndex() const = 0;

  // The text as a list of lines. A line end after the last line adds no entry
  // ("a\r\nb\r\n" and "a\r\nb" both give {"a", "b"}); an empty text gives {}.
  // setLines(L) ends every line with a line end, so lines() == L afterwards.
  // insertLine(index) accepts 0..lineCount().
  virtual std::vector<std::string> lines() const = 0;
  virtual int lineCount() const = 0;
  virtual std::string line(int index) const = 0;
  virtual void insertLine(int index, const std::string& text) = 0;
  virtual void setLines(const std::vector<std::string>& lines) = 0;
  // The whole text with CR LF after every line, as written to a work file.
  virtual std::string text() const = 0;

  virtual bool modified() const = 0;
  virtual void setModified(bool modified) = 0;

  // The word that ends at the caret (what was just typed); letters, digits,
  // "_", bytes 0x80 and above, "." and "<" count as word characters.
  virtual std::string wordAtCaret() const = 0;

  // Shows items as a list at the caret; picking one replaces the text typed
  // since the list was shown (from the caret position at this call) by it.
  virtual void showPopupList(const std::vector<std::string>& items) = 0;

  // Grouping several changes into one undo step.
  virtual void beginUndoAction() = 0;
  virtual void endUndoAction() = 0;
  virtual void undo() = 0;
  virtual void redo() = 0;

  // Caret to the start of the text, or to the end of its last line.
  virtual void goToTop() = 0;
  virtual void goToBottom() = 0;

  // Case commands change ASCII letters only, keep every other byte (line ends
  // included) and are one undo step each. capitalizeLine makes the first letter
  // of every word upper case and its other letters lower case.
  virtual void capitalizeLine() = 0;
  virtual void lineToUpper() = 0;
  virtual void lineToLower() = 0;
  virtual void selectionToUpper() = 0;
  virtual void selectionToLower() = 0;
};

}  // namespace markloom
