#pragma once
// What assistive tools see of the document editor: its text, caret and
// selection, with offsets in UTF-16 units as Qt counts them. Offsets go
// through the editor's per-line UTF-16 index, so neither a request nor a
// caret move walks the text from its start, however large the file.
#include <QAccessibleWidget>

class QsciScintillaBase;

namespace markloom {

class EditorAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit EditorAccessible(QsciScintillaBase* editor);

  // Offset (UTF-16 units from the start) of a byte position, and back.
  static long offsetOf(const QsciScintillaBase* editor, long position);
  static long positionOf(const QsciScintillaBase* editor, long offset);
  // Puts this interface in front of the component's own for every document
  // editor; the first call does it, later ones do nothing.
  static void install();

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                           int* endOffset) const override;
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                          int* endOffset) const override;
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                       int* endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  QsciScintillaBase* editor() const;
  // The line holding offset, as text with its offset range (line end included).
  QString lineAt(int offset, int* startOffset, int* endOffset) const;
};

}  // namespace markloom
