#pragma once
// The editor operations over the document editor. Positions are byte columns
// of the held text; a column past the end of a line is the editor's virtual
// space. Inserted text takes the document's own line-end style.
#include "core/document/editor_ops.h"

namespace markloom {

class MarkloomEditor;

class ScintillaEditorOps : public EditorOps {
 public:
  explicit ScintillaEditorOps(MarkloomEditor& editor);

  TextPosition caret() const override;
  TextPosition anchor() const override;
  void setCaret(TextPosition position) override;
  void select(TextPosition anchor, TextPosition caret) override;
  bool hasSelection() const override;

  std::string selectedText() const override;
  void replaceSelection(const std::string& text) override;
  void insertAtCaret(const std::string& text) override;
  void insertLinesAtCaret(const std::vector<std::string>& lines) override;
  int caretLineIndex() const override;

  std::vector<std::string> lines() const override;
  int lineCount() const override;
  std::string line(int index) const override;
  void insertLine(int index, const std::string& text) override;
  void setLines(const std::vector<std::string>& lines) override;
  std::string text() const override;

  // Changed since the save point (undoing back to it clears this), or marked
  // modified on purpose.
  bool modified() const override;
  void setModified(bool modified) override;

  std::string wordAtCaret() const override;
  void showPopupList(const std::vector<std::string>& items) override;

  void beginUndoAction() override;
  void endUndoAction() override;
  void undo() override;
  void redo() override;

  void goToTop() override;
  void goToBottom() override;

  // Numbered bookmarks 0 to 9: each a marker showing its digit in the gutter,
  // on one line at most, moving with that line as the text is edited.
  static constexpr int kBookmarks = 10;
  // Puts bookmark number on line; one already set elsewhere moves there.
  void setBookmark(int number, int line);
  // The line holding bookmark number; -1 when it is not set.
  int bookmarkLine(int number) const;

  void capitalizeLine() override;
  void lineToUpper() override;
  void lineToLower() override;
  void selectionToUpper() override;
  void selectionToLower() override;

 private:
  long send(unsigned int msg, unsigned long w = 0, long l = 0) const;
  int editorLineCount() const;
  long lineStart(int line) const;
  int lineLength(int line) const;  // without its line end
  TextPosition clamp(TextPosition p) const;
  long positionOf(TextPosition p) const;  // the real position (virtual part dropped)
  TextPosition positionAt(long pos, long virtualSpace) const;
  std::string range(long from, long to) const;
  void replaceRange(long from, long to, const std::string& bytes);
  // Pads the line of p with spaces up to p.column; returns p's real position.
  long padTo(TextPosition p);
  std::string eol() const;
  void transformRange(long from, long to, std::string (*f)(std::string_view));
  void transformCaretLine(std::string (*f)(std::string_view));

  MarkloomEditor& editor_;
  bool modified_ = false;
};

}  // namespace markloom
