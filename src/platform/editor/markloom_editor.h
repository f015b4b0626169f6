#pragma once
// The document editor: a QScintilla editor that holds a file's bytes exactly
// (UTF-8 when the file is valid UTF-8, otherwise 8-bit text), keeps the file's
// line-end style, shows hint lists, asks for hints after a short pause in
// typing, and draws plain or gradient backgrounds.
#include <Qsci/qsciscintilla.h>

#include <QTimer>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/text_encoding.h"

namespace markloom {

class BackgroundOverlay;

class MarkloomEditor : public QsciScintilla {
  Q_OBJECT
 public:
  explicit MarkloomEditor(QWidget* parent = nullptr);

  // Replaces the text by bytes without an undo step; the modified state is clear.
  void loadBytes(const std::string& bytes);
  // The text exactly as held.
  std::string bytes() const;
  // The same bytes appended to out: a snapshot taken with a single copy.
  void appendBytes(std::string& out) const;
  bool isUtf8Text() const { return isUtf8(); }
  LineEnd lineEnd() const { return lineEnd_; }

  // Searching the held bytes; patterns and replacements are document bytes.
  struct SearchFlags {
    bool regex = false;
    bool caseSensitive = false;
    bool wholeWords = false;
  };
  // Finds pattern between the byte position from and the end of the text
  // (forward) or its start (backward) and selects the match, scrolled into
  // view when reveal is set. False when nothing was found.
  bool findBytes(std::string_view pattern, SearchFlags flags, bool forward, long from, bool reveal = true);
  // Replaces the selection by replacement (with regex, \1 ... \9 stand for the
  // groups of the last match) and selects what was written; returns its length.
  long replaceSelectedBytes(std::string_view replacement, bool regex);
  std::string selectedBytes() const;
  // The word around the caret, made of the editor's word characters.
  std::string wordBytesAtCaret() const;
  long selectionStartPosition() const;
  long selectionEndPosition() const;

  // Caret past the end of a line (virtual space) on or off.
  void setCaretBeyondEol(bool allowed);
  bool caretBeyondEol() const { return caretBeyondEol_; }

  // A list at the caret; picking an entry replaces the text typed since then.
  void showPopupList(const std::vector<std::string>& items);
  bool popupShowing() const;
  // A list of templates at the caret; picking one reports its index.
  void showTemplateList(const std::vector<std::string>& items);

  // Backgrounds: a plain colour, or a gradient (vertical: top to bottom;
  // horizontal: left to right) drawn over the text area or the gutter.
  enum class Gradient { None, Vertical, Horizontal };
  void setEditorGradient(Gradient kind, const QColor& from, const QColor& to);
  void setGutterGradient(Gradient kind, const QColor& from, const QColor& to);
  void setPlainBackground(const QColor& color);
  void setGutterColor(const QColor& color);
  Gradient editorGradient() const;
  Gradient gutterGradient() const;

  // Options the settings switch.
  void setHighlightUrls(bool on);
  bool highlightUrls() const { return highlightUrls_; }
  void setDraggingDisabled(bool disabled) { draggingDisabled_ = disabled; }
  bool draggingDisabled() const { return draggingDisabled_; }
  void setDoubleClickSelectsLine(bool on) { doubleClickLine_ = on; }
  bool doubleClickSelectsLine() const { return doubleClickLine_; }
  // Blanks and line ends shown as symbols.
  void setSpecialSymbols(bool on);
  bool specialSymbols() const { return specialSymbols_; }

  // While an assistive tool listens, every change is reported to it; otherwise
  // only what the window needs, so typing costs the same in any size of file.
  void followAccessibility(bool active);

  static constexpr int kHintDelayMs = 500;
  // Above this size word wrap starts off: wrapping lays out every line before
  // the end of the text can be shown, which takes minutes for tens of megabytes.
  static constexpr std::size_t kWrapLimitBytes = 4u << 20;
  static constexpr int kUrlIndicator = 8;
  static constexpr double kAheadSliceMs = 6;
  static constexpr long kAheadMinBytes = 64 << 10;
  static constexpr long kAheadMaxBytes = 8 << 20;

 signals:
  // The caret stayed put for kHintDelayMs after a printable key press.
  void hintRequested();
  // The number of lines changed (told when the screen is next brought up to date).
  void lineCountChanged();
  // The template key (Ctrl+J in every key mapping) was pressed.
  void templateExpansionRequested();
  // The entry at index of the list showTemplateList put up was picked.
  void templatePicked(int index);

 protected:
  // The window's menu shortcuts come before the editor's own default keys.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::string bytesBetween(long from, long to) const;
  void hintTimeout();
  void userListPicked(const char* selection, int id);
  int gutterWidth() const;
  void markVisibleUrls();
  void updated(int what);
  // After a load the text is coloured ahead to its end while nothing else is
  // waiting, in slices of about kAheadSliceMs: a key pressed meanwhile waits
  // one slice at most, and a jump to the end later finds it coloured.
  void colourAheadSlice();
  void doubleClicked(int position, int line, int modifiers);

  LineEnd lineEnd_ = LineEnd::CrLf;
  bool caretBeyondEol_ = true;
  QTimer hintTimer_;
  long hintPosition_ = -1;
  long popupStart_ = -1;
  std::vector<std::string> templateItems_;
  BackgroundOverlay* overlay_ = nullptr;
  bool highlightUrls_ = false;
  bool draggingDisabled_ = false;
  bool doubleClickLine_ = false;
  bool specialSymbols_ = false;
  long lineCount_ = 1;
  bool toolListening_ = false;
  QTimer colourAheadTimer_;
  long aheadBytes_ = kAheadMinBytes;
};

}  // namespace markloom
