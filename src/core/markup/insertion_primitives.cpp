#include "core/markup/insertion_primitives.h"

namespace markloom {

namespace {

// Groups the changes made during its lifetime into one undo step.
class UndoGroup {
 public:
  explicit UndoGroup(EditorOps& ops) : ops_(ops) { ops_.beginUndoAction(); }
  ~UndoGroup() { ops_.endUndoAction(); }
  UndoGroup(const UndoGroup&) = delete;
  UndoGroup& operator=(const UndoGroup&) = delete;

 private:
  EditorOps& ops_;
};

}  // namespace

void WrapSelection(EditorOps& ops, const std::string& open, const std::string& close) {
  const std::string selected = ops.selectedText();
  ops.replaceSelection(open + selected + close);
}

void InsertSnippet(EditorOps& ops, const std::string& text) { ops.insertAtCaret(text); }

void InsertBlock(EditorOps& ops, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  UndoGroup group(ops);
  ops.insertLinesAtCaret(lines);
}

void InsertLinesAboveCaret(EditorOps& ops, const std::string& a, const std::string& b, const std::string& c) {
  const int index = ops.caretLineIndex();
  const TextPosition anchor = ops.anchor();
  const TextPosition caret = ops.caret();
  UndoGroup group(ops);
  // The caret may stand on the empty line after a final line end, one past the
  // last listed line; line lists accept an insertion there too.
  ops.insertLine(index, a);
  ops.insertLine(index + 1, b);
  ops.insertLine(index + 2, c);
  // Editors differ in whether an insertion right at the caret pushes the caret
  // along; state the result instead of relying on it.
  const TextPosition newCaret{caret.line + 3, caret.column};
  const TextPosition newAnchor{anchor.line >= index ? anchor.line + 3 : anchor.line, anchor.column};
  if (newAnchor == newCaret) {
    ops.setCaret(newCaret);
  } else {
    ops.select(newAnchor, newCaret);
  }
}

}  // namespace markloom
