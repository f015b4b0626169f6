#pragma once
// The in-memory editor: the same operations as the document window's editor,
// over a list of lines, for tests and batch work. Lines are held as the editor
// holds them: there is always at least one, and a text that ends with a line
// end has an empty last line where the caret can stand.
#include <string>
#include <vector>

#include "core/document/editor_ops.h"

namespace markloom {

class TextBuffer : public EditorOps {
 public:
  TextBuffer();
  // The same as setLines(lines) on an empty buffer: every line ended, not modified.
  explicit TextBuffer(const std::vector<std::string>& lines);

  TextPosition caret() const override { return caret_; }
  TextPosition anchor() const override { return anchor_; }
  void setCaret(TextPosition position) override;
  void select(TextPosition anchor, TextPosition caret) override;
  bool hasSelection() const override { return !(anchor_ == caret_); }

  std::string selectedText() const override;
  void replaceSelection(const std::string& text) override;
  void insertAtCaret(const std::string& text) override;
  void insertLinesAtCaret(const std::vector<std::string>& lines) override;
  int caretLineIndex() const override { return caret_.line; }

  std::vector<std::string> lines() const override;
  int lineCount() const override;
  std::string line(int index) const override;
  void insertLine(int index, const std::string& text) override;
  void setLines(const std::vector<std::string>& lines) override;
  std::string text() const override;

  bool modified() const override { return modified_; }
  void setModified(bool modified) override { modified_ = modified; }

  std::string wordAtCaret() const override;
  void showPopupList(const std::vector<std::string>& items) override;
  // The list showing (empty when none) and picking its entry, which closes it.
  const std::vector<std::string>& popupItems() const { return popupItems_; }
  void pickPopupItem(int index);

  void beginUndoAction() override;
  void endUndoAction() override;
  void undo() override;
  void redo() override;

  void goToTop() override;
  void goToBottom() override;

  void capitalizeLine() override;
  void lineToUpper() override;
  void lineToLower() override;
  void selectionToUpper() override;
  void selectionToLower() override;

 private:
  struct Snapshot {
    std::vector<std::string> lines;
    TextPosition anchor, caret;
  };
  TextPosition clamp(TextPosition p) const;             // line within range, column >= 0
  TextPosition realPosition(TextPosition p) const;      // column within the line too
  void changing();                                      // records an undo step unless grouped
  void eraseRange(TextPosition from, TextPosition to);  // real positions, from <= to
  // Inserts text (line ends CR LF, CR or LF) at a real position; returns the end.
  TextPosition insertText(TextPosition at, const std::string& text);
  void padTo(TextPosition p);  // spaces up to p.column on p.line
  void transformRange(TextPosition from, TextPosition to, std::string (*f)(std::string_view));

  std::vector<std::string> lines_{std::string()};
  TextPosition anchor_, caret_;
  bool modified_ = false;
  int undoDepth_ = 0;
  std::vector<Snapshot> undo_, redo_;
  std::vector<std::string> popupItems_;
  TextPosition popupStart_;
};

}  // namespace markloom
