#include "core/document/text_buffer.h"

#include <algorithm>

#include "core/document/ascii_case.h"

namespace markloom {

namespace {
bool before(TextPosition a, TextPosition b) { return a.line < b.line || (a.line == b.line && a.column < b.column); }
}  // namespace

TextBuffer::TextBuffer() = default;

TextBuffer::TextBuffer(const std::vector<std::string>& lines) {
  lines_ = lines;
  lines_.emplace_back();
}

TextPosition TextBuffer::clamp(TextPosition p) const {
  p.line = std::clamp(p.line, 0, static_cast<int>(lines_.size()) - 1);
  p.column = std::max(p.column, 0);
  return p;
}

TextPosition TextBuffer::realPosition(TextPosition p) const {
  p = clamp(p);
  p.column = std::min(p.column, static_cast<int>(lines_[p.line].size()));
  return p;
}

void TextBuffer::setCaret(TextPosition position) { anchor_ = caret_ = clamp(position); }

void TextBuffer::select(TextPosition anchor, TextPosition caret) {
  anchor_ = clamp(anchor);
  caret_ = clamp(caret);
}

std::string TextBuffer::selectedText() const {
  if (!hasSelection()) return {};
  auto from = realPosition(std::min(anchor_, caret_, before));
  auto to = realPosition(std::max(anchor_, caret_, before));
  if (from.line == to.line) return lines_[from.line].substr(from.column, to.column - from.column);
  std::string out = lines_[from.line].substr(from.column);
  for (int l = from.line + 1; l < to.line; ++l) out += "\r\n" + lines_[l];
  out += "\r\n" + lines_[to.line].substr(0, to.column);
  return out;
}

void TextBuffer::changing() {
  modified_ = true;
  if (undoDepth_ > 0) return;
  undo_.push_back({lines_, anchor_, caret_});
  redo_.clear();
}

void TextBuffer::eraseRange(TextPosition from, TextPosition to) {
  if (from.line == to.line) {
    lines_[from.line].erase(from.column, to.column - from.column);
    return;
  }
  lines_[from.line] = lines_[from.line].substr(0, from.column) + lines_[to.line].substr(to.column);
  lines_.erase(lines_.begin() + from.line + 1, lines_.begin() + to.line + 1);
}

TextPosition TextBuffer::insertText(TextPosition at, const std::string& text) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    pieces.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  pieces.push_back(text.substr(start));
  std::string& first = lines_[at.line];
  const std::string tail = first.substr(at.column);
  first.erase(at.column);
  first += pieces[0];
  lines_.insert(lines_.begin() + at.line + 1, pieces.begin() + 1, pieces.end());
  TextPosition end{at.line + static_cast<int>(pieces.size()) - 1, 0};
  end.column = static_cast<int>(lines_[end.line].size());
  lines_[end.line] += tail;
  return end;
}

void TextBuffer::padTo(TextPosition p) {
  auto& l = lines_[p.line];
  if (static_cast<int>(l.size()) < p.column) l.append(p.column - l.size(), ' ');
}

void TextBuffer::replaceSelection(const std::string& text) {
  changing();
  auto from = std::min(anchor_, caret_, before);
  auto to = std::max(anchor_, caret_, before);
  eraseRange(realPosition(from), realPosition(to));
  padTo(from);
  anchor_ = caret_ = insertText(from, text);
}

void TextBuffer::insertAtCaret(const std::string& text) {
  changing();
  padTo(caret_);
  const TextPosition at = caret_;
  insertText(at, text);
  anchor_ = caret_ = at;
}

void TextBuffer::insertLinesAtCaret(const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  std::string joined;
  for (const auto& l : lines) joined += l + "\r\n";
  changing();
  padTo(caret_);
  const TextPosition at = caret_;
  insertText(at, joined);
  anchor_ = caret_ = at;
}

std::vector<std::string> TextBuffer::lines() const {
  std::vector<std::string> out = lines_;
  if (out.back().empty()) out.pop_back();
  return out;
}

int TextBuffer::lineCount() const { return static_cast<int>(lines_.size()) - (lines_.back().empty() ? 1 : 0); }

std::string TextBuffer::line(int index) const {
  if (index < 0 || index >= lineCount()) return {};
  return lines_[index];
}

void TextBuffer::insertLine(int index, const std::string& text) {
  index = std::clamp(index, 0, lineCount());
  changing();
  if (index < static_cast<int>(lines_.size())) {
    lines_.insert(lines_.begin() + index, text);
    if (caret_.line >= index) ++caret_.line;
    if (anchor_.line >= index) ++anchor_.line;
  } else {  // after a last line that has no line end: end it, then the new line
    lines_.push_back(text);
    lines_.emplace_back();
  }
}

void TextBuffer::setLines(const std::vector<std::string>& lines) {
  changing();
  lines_ = lines;
  lines_.emplace_back();
  anchor_ = caret_ = TextPosition{};
}

std::string TextBuffer::text() const {
  std::string out;
  for (const auto& l : lines()) out += l + "\r\n";
  return out;
}

std::string TextBuffer::wordAtCaret() const {
  const auto p = realPosition(caret_);
  const std::string& l = lines_[p.line];
  int from = p.column, to = p.column;
  while (from > 0 && isWordAtCaretChar(static_cast<unsigned char>(l[from - 1]))) --from;
  return l.substr(from, to - from);
}

void TextBuffer::showPopupList(const std::vector<std::string>& items) {
  popupItems_ = items;
  popupStart_ = realPosition(caret_);
}

void TextBuffer::pickPopupItem(int index) {
  if (index < 0 || index >= static_cast<int>(popupItems_.size())) return;
  const std::string item = popupItems_[index];
  const TextPosition start = popupStart_;
  popupItems_.clear();
  select(start, std::max(start, realPosition(caret_), before));
  replaceSelection(item);
}

void TextBuffer::beginUndoAction() {
  if (undoDepth_++ == 0) {
    undo_.push_back({lines_, anchor_, caret_});
    redo_.clear();
  }
}

void TextBuffer::endUndoAction() {
  if (undoDepth_ > 0) --undoDepth_;
}

void TextBuffer::undo() {
  if (undo_.empty()) return;
  redo_.push_back({lines_, anchor_, caret_});
  lines_ = undo_.back().lines;
  anchor_ = undo_.back().anchor;
  caret_ = undo_.back().caret;
  undo_.pop_back();
  modified_ = true;
}

void TextBuffer::redo() {
  if (redo_.empty()) return;
  undo_.push_back({lines_, anchor_, caret_});
  lines_ = redo_.back().lines;
  anchor_ = redo_.back().anchor;
  caret_ = redo_.back().caret;
  redo_.pop_back();
  modified_ = true;
}

void TextBuffer::goToTop() { setCaret({0, 0}); }

void TextBuffer::goToBottom() {
  const int last = static_cast<int>(lines_.size()) - 1;
  setCaret({last, static_cast<int>(lines_[last].size())});
}

void TextBuffer::transformRange(TextPosition from, TextPosition to, std::string (*f)(std::string_view)) {
  from = realPosition(from);
  to = realPosition(to);
  if (!before(from, to)) return;
  changing();
  for (int l = from.line; l <= to.line; ++l) {
    const int a = l == from.line ? from.column : 0;
    const int b = l == to.line ? to.column : static_cast<int>(lines_[l].size());
    lines_[l].replace(a, b - a, f(std::string_view(lines_[l]).substr(a, b - a)));
  }
}

void TextBuffer::capitalizeLine() {
  const int l = caret_.line;
  transformRange({l, 0}, {l, static_cast<int>(lines_[l].size())}, asciiCapitalizeWords);
}
void TextBuffer::lineToUpper() {
  const int l = caret_.line;
  transformRange({l, 0}, {l, static_cast<int>(lines_[l].size())}, asciiUpper);
}
void TextBuffer::lineToLower() {
  const int l = caret_.line;
  transformRange({l, 0}, {l, static_cast<int>(lines_[l].size())}, asciiLower);
}
void TextBuffer::selectionToUpper() {
  transformRange(std::min(anchor_, caret_, before), std::max(anchor_, caret_, before), asciiUpper);
}
void TextBuffer::selectionToLower() {
  transformRange(std::min(anchor_, caret_, before), std::max(anchor_, caret_, before), asciiLower);
}

}  // namespace markloom
