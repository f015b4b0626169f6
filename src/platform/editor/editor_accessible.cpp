#include "platform/editor/editor_accessible.h"

#include <Qsci/qsciscintillabase.h>

#include <QAbstractScrollArea>
#include <algorithm>

#include "core/text/text_codec.h"
#include "platform/editor/markloom_editor.h"

namespace markloom {

namespace {

using Sci = QsciScintillaBase;

long send(const Sci* e, unsigned int message, unsigned long w = 0, long l = 0) {
  return e->SendScintilla(message, w, l);
}

bool utf8(const Sci* e) { return send(e, Sci::SCI_GETCODEPAGE) == Sci::SC_CP_UTF8; }

bool indexed(const Sci* e) { return (send(e, Sci::SCI_GETLINECHARACTERINDEX) & Sci::SC_LINECHARACTERINDEX_UTF16) != 0; }

long length(const Sci* e) { return send(e, Sci::SCI_GETLENGTH); }

// The position units UTF-16 units after from; a unit inside a surrogate pair
// gives the start of the character it belongs to.
long relative(const Sci* e, long from, long units) {
  if (units <= 0) return from;
  const long at = send(e, Sci::SCI_POSITIONRELATIVECODEUNITS, static_cast<unsigned long>(from), units);
  if (at > from) return at;
  return send(e, Sci::SCI_POSITIONRELATIVECODEUNITS, static_cast<unsigned long>(from), units - 1);
}

QString textBetween(const Sci* e, long from, long to) {
  if (to <= from) return {};
  const auto* bytes = reinterpret_cast<const char*>(
      e->SendScintilla(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
  const TextCodec codec(utf8(e) ? TextEncoding::Utf8 : TextEncoding::EightBit);
  return QString::fromStdString(codec.decode(std::string_view(bytes, static_cast<std::size_t>(to - from))));
}

QAccessibleInterface* editorFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(MarkloomEditor::staticMetaObject.className())) return nullptr;
  auto* editor = qobject_cast<MarkloomEditor*>(object);
  return editor ? new EditorAccessible(editor) : nullptr;
}

}  // namespace

EditorAccessible::EditorAccessible(QsciScintillaBase* editor) : QAccessibleWidget(editor, QAccessible::EditableText) {}

void EditorAccessible::install() {
  static const bool installed = [] {
    QAccessible::installFactory(editorFactory);
    return true;
  }();
  (void)installed;
}

long EditorAccessible::offsetOf(const QsciScintillaBase* e, long position) {
  position = std::clamp(position, 0L, length(e));
  if (!utf8(e)) return position;  // 8-bit text: one unit per byte
  if (!indexed(e)) return send(e, Sci::SCI_COUNTCODEUNITS, 0, position);
  const long line = send(e, Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
  const long lineStart = send(e, Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  return send(e, Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), Sci::SC_LINECHARACTERINDEX_UTF16) +
         send(e, Sci::SCI_COUNTCODEUNITS, static_cast<unsigned long>(lineStart), position);
}

long EditorAccessible::positionOf(const QsciScintillaBase* e, long offset) {
  const long end = length(e);
  if (offset <= 0) return 0;
  if (!utf8(e)) return std::min(offset, end);
  if (offset >= offsetOf(e, end)) return end;
  if (!indexed(e)) return relative(e, 0, offset);
  const long line =
      send(e, Sci::SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(offset), Sci::SC_LINECHARACTERINDEX_UTF16);
  const long lineStart = send(e, Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  const long lineOffset =
      send(e, Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), Sci::SC_LINECHARACTERINDEX_UTF16);
  return relative(e, lineStart, offset - lineOffset);
}

QsciScintillaBase* EditorAccessible::editor() const { return static_cast<QsciScintillaBase*>(widget()); }

void* EditorAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessible::State EditorAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.multiLine = true;
  s.editable = send(editor(), Sci::SCI_GETREADONLY) == 0;
  s.readOnly = !s.editable;
  s.selectableText = true;
  return s;
}

void EditorAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0 || selectionCount() == 0) return;
  *startOffset = static_cast<int>(offsetOf(editor(), send(editor(), Sci::SCI_GETSELECTIONSTART)));
  *endOffset = static_cast<int>(offsetOf(editor(), send(editor(), Sci::SCI_GETSELECTIONEND)));
}

int EditorAccessible::selectionCount() const {
  return send(editor(), Sci::SCI_GETSELECTIONSTART) == send(editor(), Sci::SCI_GETSELECTIONEND) ? 0 : 1;
}

void EditorAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void EditorAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex != 0) return;
  send(editor(), Sci::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(send(editor(), Sci::SCI_GETCURRENTPOS)));
}

void EditorAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex != 0) return;
  send(editor(), Sci::SCI_SETSEL, static_cast<unsigned long>(positionOf(editor(), startOffset)),
       positionOf(editor(), endOffset));
}

int EditorAccessible::cursorPosition() const {
  return static_cast<int>(offsetOf(editor(), send(editor(), Sci::SCI_GETCURRENTPOS)));
}

void EditorAccessible::setCursorPosition(int position) {
  send(editor(), Sci::SCI_GOTOPOS, static_cast<unsigned long>(positionOf(editor(), position)));
}

QString EditorAccessible::text(int startOffset, int endOffset) const {
  return textBetween(editor(), positionOf(editor(), startOffset), positionOf(editor(), endOffset));
}

int EditorAccessible::characterCount() const { return static_cast<int>(offsetOf(editor(), length(editor()))); }

QString EditorAccessible::lineAt(int offset, int* startOffset, int* endOffset) const {
  const Sci* e = editor();
  const long line = send(e, Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(positionOf(e, offset)));
  const long from = send(e, Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  const long to = send(e, Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1));
  const long end = to < from ? length(e) : to;  // past the last line
  *startOffset = static_cast<int>(offsetOf(e, from));
  *endOffset = static_cast<int>(offsetOf(e, end));
  return textBetween(e, from, end);
}

// Lines and characters are answered from the line at hand; other units fall
// back to the general answer, which reads the whole text.
QString EditorAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                                       int* endOffset) const {
  const Sci* e = editor();
  if (boundary == QAccessible::LineBoundary) return lineAt(offset, startOffset, endOffset);
  if (boundary == QAccessible::CharBoundary) {
    const long at = positionOf(e, offset);
    const long next = send(e, Sci::SCI_POSITIONAFTER, static_cast<unsigned long>(at));
    *startOffset = static_cast<int>(offsetOf(e, at));
    *endOffset = static_cast<int>(offsetOf(e, next));
    return textBetween(e, at, next);
  }
  return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
}

QString EditorAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                                           int* endOffset) const {
  if (boundary == QAccessible::LineBoundary || boundary == QAccessible::CharBoundary) {
    int start = 0, end = 0;
    textAtOffset(offset, boundary, &start, &end);
    if (start == 0) {
      *startOffset = *endOffset = 0;
      return {};
    }
    // The unit holding the position just before this one's start.
    const long before =
        send(editor(), Sci::SCI_POSITIONBEFORE, static_cast<unsigned long>(positionOf(editor(), start)));
    return textAtOffset(static_cast<int>(offsetOf(editor(), before)), boundary, startOffset, endOffset);
  }
  return QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset, endOffset);
}

QString EditorAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                                          int* endOffset) const {
  if (boundary == QAccessible::LineBoundary || boundary == QAccessible::CharBoundary) {
    int start = 0, end = 0;
    textAtOffset(offset, boundary, &start, &end);
    if (end >= characterCount()) {
      *startOffset = *endOffset = characterCount();
      return {};
    }
    return textAtOffset(end, boundary, startOffset, endOffset);
  }
  return QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset, endOffset);
}

QRect EditorAccessible::characterRect(int offset) const {
  const Sci* e = editor();
  const long at = positionOf(e, offset);
  const long next = send(e, Sci::SCI_POSITIONAFTER, static_cast<unsigned long>(at));
  const int x = static_cast<int>(send(e, Sci::SCI_POINTXFROMPOSITION, 0, at));
  const int y = static_cast<int>(send(e, Sci::SCI_POINTYFROMPOSITION, 0, at));
  const int nextX = static_cast<int>(send(e, Sci::SCI_POINTXFROMPOSITION, 0, next));
  const int height = static_cast<int>(
      send(e, Sci::SCI_TEXTHEIGHT,
           static_cast<unsigned long>(send(e, Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(at)))));
  const QPoint topLeft = e->viewport()->mapToGlobal(QPoint(x, y));
  return QRect(topLeft, QSize(std::max(1, nextX - x), height));
}

int EditorAccessible::offsetAtPoint(const QPoint& point) const {
  const Sci* e = editor();
  const QPoint local = e->viewport()->mapFromGlobal(point);
  const long at = send(e, Sci::SCI_POSITIONFROMPOINTCLOSE, static_cast<unsigned long>(local.x()), local.y());
  return at < 0 ? -1 : static_cast<int>(offsetOf(e, at));
}

void EditorAccessible::scrollToSubstring(int startIndex, int endIndex) {
  send(editor(), Sci::SCI_SCROLLRANGE, static_cast<unsigned long>(positionOf(editor(), endIndex)),
       positionOf(editor(), startIndex));
}

QString EditorAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  // The same (no) attributes everywhere: one run over the whole text.
  (void)offset;
  *startOffset = 0;
  *endOffset = characterCount();
  return {};
}

}  // namespace markloom
