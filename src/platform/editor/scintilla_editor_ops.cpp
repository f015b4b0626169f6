#include "platform/editor/scintilla_editor_ops.h"

#include <algorithm>

#include "core/document/ascii_case.h"
#include "core/text/line_list.h"
#include "platform/editor/markloom_editor.h"

namespace markloom {

namespace {
bool before(TextPosition a, TextPosition b) { return a.line < b.line || (a.line == b.line && a.column < b.column); }
}  // namespace

ScintillaEditorOps::ScintillaEditorOps(MarkloomEditor& editor) : editor_(editor) {}

long ScintillaEditorOps::send(unsigned int msg, unsigned long w, long l) const {
  return editor_.SendScintilla(msg, w, l);
}

int ScintillaEditorOps::editorLineCount() const { return static_cast<int>(send(QsciScintillaBase::SCI_GETLINECOUNT)); }

long ScintillaEditorOps::lineStart(int line) const { return send(QsciScintillaBase::SCI_POSITIONFROMLINE, line); }

int ScintillaEditorOps::lineLength(int line) const {
  return static_cast<int>(send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line) - lineStart(line));
}

TextPosition ScintillaEditorOps::clamp(TextPosition p) const {
  p.line = std::clamp(p.line, 0, editorLineCount() - 1);
  p.column = std::max(p.column, 0);
  if (!editor_.caretBeyondEol()) p.column = std::min(p.column, lineLength(p.line));
  return p;
}

long ScintillaEditorOps::positionOf(TextPosition p) const {
  p = clamp(p);
  return lineStart(p.line) + std::min(p.column, lineLength(p.line));
}

TextPosition ScintillaEditorOps::positionAt(long pos, long virtualSpace) const {
  const int line = static_cast<int>(send(QsciScintillaBase::SCI_LINEFROMPOSITION, pos));
  return {line, static_cast<int>(pos - lineStart(line) + virtualSpace)};
}

TextPosition ScintillaEditorOps::caret() const {
  return positionAt(send(QsciScintillaBase::SCI_GETCURRENTPOS),
                    send(QsciScintillaBase::SCI_GETSELECTIONNCARETVIRTUALSPACE, 0));
}

TextPosition ScintillaEditorOps::anchor() const {
  return positionAt(send(QsciScintillaBase::SCI_GETANCHOR),
                    send(QsciScintillaBase::SCI_GETSELECTIONNANCHORVIRTUALSPACE, 0));
}

void ScintillaEditorOps::setCaret(TextPosition position) { select(position, position); }

void ScintillaEditorOps::select(TextPosition anchor, TextPosition caret) {
  anchor = clamp(anchor);
  caret = clamp(caret);
  const long a = positionOf(anchor), c = positionOf(caret);
  send(QsciScintillaBase::SCI_SETSELECTION, static_cast<unsigned long>(c), a);
  send(QsciScintillaBase::SCI_SETSELECTIONNCARETVIRTUALSPACE, 0, caret.column - (c - lineStart(caret.line)));
  send(QsciScintillaBase::SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0, anchor.column - (a - lineStart(anchor.line)));
  send(QsciScintillaBase::SCI_SCROLLCARET);
  send(QsciScintillaBase::SCI_CHOOSECARETX);  // moving up or down keeps this column
}

void ScintillaEditorOps::setBookmark(int number, int line) {
  if (number < 0 || number >= kBookmarks) return;
  const auto marker = static_cast<unsigned long>(number);
  // Markers 0-9 are the bookmarks' own; the gutter (margin 1) is told to show them.
  send(QsciScintillaBase::SCI_MARKERDEFINE, marker, QsciScintillaBase::SC_MARK_CHARACTER + '0' + number);
  send(QsciScintillaBase::SCI_SETMARGINMASKN, 1, send(QsciScintillaBase::SCI_GETMARGINMASKN, 1) | (1L << number));
  send(QsciScintillaBase::SCI_MARKERDELETEALL, marker);
  send(QsciScintillaBase::SCI_MARKERADD, static_cast<unsigned long>(std::clamp(line, 0, editorLineCount() - 1)),
       number);
}

int ScintillaEditorOps::bookmarkLine(int number) const {
  if (number < 0 || number >= kBookmarks) return -1;
  return static_cast<int>(send(QsciScintillaBase::SCI_MARKERNEXT, 0, 1L << number));
}

bool ScintillaEditorOps::hasSelection() const { return !(anchor() == caret()); }

std::string ScintillaEditorOps::range(long from, long to) const {
  if (to <= from) return {};
  const auto* p = reinterpret_cast<const char*>(
      send(QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
  return std::string(p, static_cast<std::size_t>(to - from));
}

std::string ScintillaEditorOps::selectedText() const {
  if (!hasSelection()) return {};
  const auto a = anchor(), c = caret();
  const long from = positionOf(std::min(a, c, before)), to = positionOf(std::max(a, c, before));
  return convertLineEnds(range(from, to), LineEnd::CrLf);
}

std::string ScintillaEditorOps::eol() const { return lineEndText(editor_.lineEnd()); }

void ScintillaEditorOps::replaceRange(long from, long to, const std::string& bytes) {
  send(QsciScintillaBase::SCI_SETTARGETRANGE, static_cast<unsigned long>(from), to);
  send(QsciScintillaBase::SCI_REPLACETARGET, bytes.size(), reinterpret_cast<long>(bytes.data()));
}

long ScintillaEditorOps::padTo(TextPosition p) {
  p = clamp(p);
  const int have = lineLength(p.line);
  const long end = lineStart(p.line) + have;
  if (p.column > have) {
    replaceRange(end, end, std::string(p.column - have, ' '));
    return end + (p.column - have);
  }
  return lineStart(p.line) + p.column;
}

void ScintillaEditorOps::replaceSelection(const std::string& text) {
  const auto a = anchor(), c = caret();
  const auto from = std::min(a, c, before), to = std::max(a, c, before);
  send(QsciScintillaBase::SCI_BEGINUNDOACTION);
  replaceRange(positionOf(from), positionOf(to), {});
  const long at = padTo(from);
  const std::string bytes = convertLineEnds(text, editor_.lineEnd());
  replaceRange(at, at, bytes);
  const long end = at + static_cast<long>(bytes.size());
  send(QsciScintillaBase::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(end));
  send(QsciScintillaBase::SCI_CHOOSECARETX);
  send(QsciScintillaBase::SCI_ENDUNDOACTION);
  send(QsciScintillaBase::SCI_SCROLLCARET);
}

void ScintillaEditorOps::insertAtCaret(const std::string& text) {
  const TextPosition c = caret();
  send(QsciScintillaBase::SCI_BEGINUNDOACTION);
  const long at = padTo(c);
  replaceRange(at, at, convertLineEnds(text, editor_.lineEnd()));
  send(QsciScintillaBase::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(at));
  send(QsciScintillaBase::SCI_CHOOSECARETX);
  send(QsciScintillaBase::SCI_ENDUNDOACTION);
}

void ScintillaEditorOps::insertLinesAtCaret(const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  std::string joined;
  for (const auto& l : lines) joined += l + eol();
  insertAtCaret(joined);
}

int ScintillaEditorOps::caretLineIndex() const { return caret().line; }

std::vector<std::string> ScintillaEditorOps::lines() const { return parseLineList(editor_.bytes()); }

int ScintillaEditorOps::lineCount() const {
  const int n = editorLineCount();
  return lineLength(n - 1) == 0 ? n - 1 : n;
}

std::string ScintillaEditorOps::line(int index) const {
  if (index < 0 || index >= lineCount()) return {};
  return range(lineStart(index), lineStart(index) + lineLength(index));
}

void ScintillaEditorOps::insertLine(int index, const std::string& text) {
  index = std::clamp(index, 0, lineCount());
  const std::string bytes = convertLineEnds(text, editor_.lineEnd());
  if (index < editorLineCount()) {
    const long at = lineStart(index);
    replaceRange(at, at, bytes + eol());
  } else {  // after a last line without a line end
    const long end = send(QsciScintillaBase::SCI_GETLENGTH);
    replaceRange(end, end, eol() + bytes + eol());
  }
}

void ScintillaEditorOps::setLines(const std::vector<std::string>& lines) {
  std::string all;
  for (const auto& l : lines) all += convertLineEnds(l, editor_.lineEnd()) + eol();
  replaceRange(0, send(QsciScintillaBase::SCI_GETLENGTH), all);
  send(QsciScintillaBase::SCI_SETEMPTYSELECTION, 0);
}

std::string ScintillaEditorOps::text() const { return formatLineList(lines()); }

bool ScintillaEditorOps::modified() const { return modified_ || send(QsciScintillaBase::SCI_GETMODIFY) != 0; }

void ScintillaEditorOps::setModified(bool modified) {
  modified_ = modified;
  if (!modified) send(QsciScintillaBase::SCI_SETSAVEPOINT);
}

std::string ScintillaEditorOps::wordAtCaret() const {
  const TextPosition c = clamp(caret());
  const std::string l = range(lineStart(c.line), lineStart(c.line) + lineLength(c.line));
  int from = std::min(c.column, static_cast<int>(l.size())), to = from;
  while (from > 0 && isWordAtCaretChar(static_cast<unsigned char>(l[from - 1]))) --from;
  return l.substr(from, to - from);
}

void ScintillaEditorOps::showPopupList(const std::vector<std::string>& items) { editor_.showPopupList(items); }

void ScintillaEditorOps::beginUndoAction() { send(QsciScintillaBase::SCI_BEGINUNDOACTION); }
void ScintillaEditorOps::endUndoAction() { send(QsciScintillaBase::SCI_ENDUNDOACTION); }
void ScintillaEditorOps::undo() { send(QsciScintillaBase::SCI_UNDO); }
void ScintillaEditorOps::redo() { send(QsciScintillaBase::SCI_REDO); }

void ScintillaEditorOps::goToTop() { send(QsciScintillaBase::SCI_DOCUMENTSTART); }
void ScintillaEditorOps::goToBottom() { send(QsciScintillaBase::SCI_DOCUMENTEND); }

void ScintillaEditorOps::transformRange(long from, long to, std::string (*f)(std::string_view)) {
  const std::string before = range(from, to);
  const std::string after = f(before);
  if (after == before) return;
  // Same length, so the selection and caret stay where they are.
  const long anchorPos = send(QsciScintillaBase::SCI_GETANCHOR), caretPos = send(QsciScintillaBase::SCI_GETCURRENTPOS);
  const long anchorVs = send(QsciScintillaBase::SCI_GETSELECTIONNANCHORVIRTUALSPACE, 0);
  const long caretVs = send(QsciScintillaBase::SCI_GETSELECTIONNCARETVIRTUALSPACE, 0);
  send(QsciScintillaBase::SCI_BEGINUNDOACTION);
  replaceRange(from, to, after);
  send(QsciScintillaBase::SCI_ENDUNDOACTION);
  send(QsciScintillaBase::SCI_SETSELECTION, static_cast<unsigned long>(caretPos), anchorPos);
  send(QsciScintillaBase::SCI_SETSELECTIONNCARETVIRTUALSPACE, 0, caretVs);
  send(QsciScintillaBase::SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0, anchorVs);
}

void ScintillaEditorOps::transformCaretLine(std::string (*f)(std::string_view)) {
  const int l = caret().line;
  transformRange(lineStart(l), lineStart(l) + lineLength(l), f);
}

void ScintillaEditorOps::capitalizeLine() { transformCaretLine(asciiCapitalizeWords); }
void ScintillaEditorOps::lineToUpper() { transformCaretLine(asciiUpper); }
void ScintillaEditorOps::lineToLower() { transformCaretLine(asciiLower); }

void ScintillaEditorOps::selectionToUpper() {
  const auto a = anchor(), c = caret();
  transformRange(positionOf(std::min(a, c, before)), positionOf(std::max(a, c, before)), asciiUpper);
}

void ScintillaEditorOps::selectionToLower() {
  const auto a = anchor(), c = caret();
  transformRange(positionOf(std::min(a, c, before)), positionOf(std::max(a, c, before)), asciiLower);
}

}  // namespace markloom
