#include "platform/editor/markloom_editor.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QKeySequence>
#include <algorithm>

#include "core/document/url_scan.h"

#include "platform/editor/background_overlay.h"
#include "platform/editor/editor_accessible.h"
#include "platform/editor/keymaps.h"

namespace markloom {

namespace {
constexpr int kPopupListId = 1;
constexpr int kTemplateListId = 2;
constexpr char kPopupSeparator = '\n';

// Changes the editor reports while no assistive tool listens. Each reported
// insertion or deletion makes the component count the characters from the
// start of the text up to the change, for tools that are not there, and each
// styled line would be another report: typing in the middle of a large file
// would cost time in proportion to the file. Folds and markers stay reported.
constexpr unsigned long kQuietChanges = QsciScintillaBase::SC_MOD_CHANGEFOLD | QsciScintillaBase::SC_MOD_CHANGEMARKER |
                                        QsciScintillaBase::SC_MOD_CHANGEMARGIN |
                                        QsciScintillaBase::SC_MOD_CHANGEANNOTATION;

// Switches every editor's change reports when a tool starts or stops listening.
class AccessibilityFollower : public QAccessible::ActivationObserver {
 public:
  void accessibilityActiveChanged(bool active) override {
    for (QWidget* w : QApplication::allWidgets())
      if (auto* editor = qobject_cast<MarkloomEditor*>(w)) editor->followAccessibility(active);
  }
};
}  // namespace

MarkloomEditor::MarkloomEditor(QWidget* parent) : QsciScintilla(parent) {
  setObjectName("RichEdit1");
  setUtf8(true);
  SendScintilla(SCI_SETEOLMODE, SC_EOL_CRLF);
  setCaretBeyondEol(true);
  hintTimer_.setSingleShot(true);
  hintTimer_.setInterval(kHintDelayMs);
  connect(&hintTimer_, &QTimer::timeout, this, &MarkloomEditor::hintTimeout);
  connect(this, static_cast<void (QsciScintillaBase::*)(const char*, int)>(&QsciScintillaBase::SCN_USERLISTSELECTION),
          this, &MarkloomEditor::userListPicked);
  // A jump far ahead (Ctrl+End) shows the text at once and colours it in
  // slices up to the screen; after a load the rest is coloured ahead.
  SendScintilla(SCI_SETIDLESTYLING, static_cast<unsigned long>(SC_IDLESTYLING_TOVISIBLE));
  colourAheadTimer_.setSingleShot(true);
  colourAheadTimer_.setInterval(0);
  connect(&colourAheadTimer_, &QTimer::timeout, this, &MarkloomEditor::colourAheadSlice);
  SendScintilla(SCI_AUTOCSETSEPARATOR, static_cast<unsigned long>(kPopupSeparator));
  SendScintilla(SCI_AUTOCSETORDER, static_cast<unsigned long>(SC_ORDER_CUSTOM));
  overlay_ = new BackgroundOverlay(viewport());
  viewport()->installEventFilter(this);
  SendScintilla(SCI_INDICSETSTYLE, static_cast<unsigned long>(kUrlIndicator), static_cast<long>(INDIC_PLAIN));
  SendScintilla(SCI_INDICSETFORE, static_cast<unsigned long>(kUrlIndicator), QColor(Qt::blue));
  connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, &MarkloomEditor::updated);
  EditorAccessible::install();
  static AccessibilityFollower follower;
  static const bool observing = [] {
    QAccessible::installActivationObserver(&follower);
    return true;
  }();
  (void)observing;
  followAccessibility(QAccessible::isActive());
  connect(this, &QsciScintillaBase::SCN_DOUBLECLICK, this, &MarkloomEditor::doubleClicked);
}

void MarkloomEditor::followAccessibility(bool active) {
  toolListening_ = active;
  SendScintilla(SCI_SETMODEVENTMASK, active ? static_cast<unsigned long>(SC_MODEVENTMASKALL) : kQuietChanges);
  if ((SendScintilla(SCI_GETLINECHARACTERINDEX) & SC_LINECHARACTERINDEX_UTF16) == 0)
    SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, static_cast<unsigned long>(SC_LINECHARACTERINDEX_UTF16));
}

void MarkloomEditor::colourAheadSlice() {
  const long length = SendScintilla(SCI_GETLENGTH);
  const long from = SendScintilla(SCI_GETENDSTYLED);
  if (!lexer() || from >= length) return;
  QElapsedTimer clock;
  clock.start();
  SendScintilla(SCI_COLOURISE, static_cast<unsigned long>(from), std::min(length, from + aheadBytes_));
  // Size the next slice so that it takes about kAheadSliceMs.
  const double ms = std::max(0.25, static_cast<double>(clock.nsecsElapsed()) / 1e6);
  aheadBytes_ = std::clamp(static_cast<long>(static_cast<double>(aheadBytes_) * kAheadSliceMs / ms), kAheadMinBytes,
                           kAheadMaxBytes);
  colourAheadTimer_.start();
}

void MarkloomEditor::updated(int what) {
  markVisibleUrls();
  if (what & SC_UPDATE_CONTENT) {
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    if (lines != lineCount_) {
      lineCount_ = lines;
      emit lineCountChanged();
    }
  }
  if ((what & SC_UPDATE_SELECTION) && toolListening_) {
    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    QAccessibleTextCursorEvent moved(this, static_cast<int>(EditorAccessible::offsetOf(this, caret)));
    QAccessible::updateAccessibility(&moved);
    const long from = SendScintilla(SCI_GETSELECTIONSTART);
    const long to = SendScintilla(SCI_GETSELECTIONEND);
    if (from != to) {
      QAccessibleTextSelectionEvent selected(this, static_cast<int>(EditorAccessible::offsetOf(this, from)),
                                             static_cast<int>(EditorAccessible::offsetOf(this, to)));
      QAccessible::updateAccessibility(&selected);
    }
  }
}

void MarkloomEditor::setHighlightUrls(bool on) {
  highlightUrls_ = on;
  if (!on) {
    SendScintilla(SCI_SETINDICATORCURRENT, static_cast<unsigned long>(kUrlIndicator));
    SendScintilla(SCI_INDICATORCLEARRANGE, 0UL, SendScintilla(SCI_GETLENGTH));
  }
  markVisibleUrls();
}

void MarkloomEditor::markVisibleUrls() {
  if (!highlightUrls_) return;
  // Only the lines on screen: marking a whole large file would stall typing.
  const long first = SendScintilla(SCI_DOCLINEFROMVISIBLE, SendScintilla(SCI_GETFIRSTVISIBLELINE));
  const long last = std::min(first + SendScintilla(SCI_LINESONSCREEN) + 1, SendScintilla(SCI_GETLINECOUNT) - 1);
  SendScintilla(SCI_SETINDICATORCURRENT, static_cast<unsigned long>(kUrlIndicator));
  for (long line = first; line <= last; ++line) {
    const long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long end = SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    SendScintilla(SCI_INDICATORCLEARRANGE, static_cast<unsigned long>(start), end - start);
    if (end <= start) continue;
    const auto* text = reinterpret_cast<const char*>(
        SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
    for (auto [at, length] : findUrls(std::string_view(text, static_cast<std::size_t>(end - start))))
      SendScintilla(SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start + static_cast<long>(at)),
                    static_cast<long>(length));
  }
}

void MarkloomEditor::doubleClicked(int, int line, int) {
  if (!doubleClickLine_) return;
  const long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  const long end = SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
  SendScintilla(SCI_SETSELECTION, static_cast<unsigned long>(end), start);
}

void MarkloomEditor::setSpecialSymbols(bool on) {
  specialSymbols_ = on;
  setWhitespaceVisibility(on ? WsVisible : WsInvisible);
  setEolVisibility(on);
}

bool MarkloomEditor::eventFilter(QObject* watched, QEvent* event) {
  // With dragging disabled, selected text cannot be dropped elsewhere in the
  // editor; text dragged in from other programs still can.
  if (watched == viewport() && draggingDisabled_ &&
      (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove || event->type() == QEvent::Drop)) {
    auto* drag = static_cast<QDropEvent*>(event);
    if (drag->source() == this || drag->source() == viewport()) {
      event->ignore();
      return true;
    }
  }
  return QsciScintilla::eventFilter(watched, event);
}

void MarkloomEditor::loadBytes(const std::string& bytes) {
  const bool wasReadOnly = isReadOnly();
  setReadOnly(false);
  // Wrapping while the text arrives lays out every line at once; switched on
  // afterwards, the editor wraps what is on screen first and the rest when idle.
  const WrapMode wrap = wrapMode();
  if (wrap != WrapNone) setWrapMode(WrapNone);
  SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
  SendScintilla(SCI_CLEARALL);
  setUtf8(isValidUtf8(bytes));
  lineEnd_ = detectLineEnd(bytes);
  SendScintilla(SCI_SETEOLMODE, lineEnd_ == LineEnd::Lf   ? SC_EOL_LF
                                : lineEnd_ == LineEnd::Cr ? SC_EOL_CR
                                                          : SC_EOL_CRLF);
  // Room for the text and for typing after it: otherwise the buffer is full
  // after the load and one of the first keys pressed copies the whole file.
  SendScintilla(SCI_ALLOCATE,
                static_cast<unsigned long>(bytes.size() + std::max<std::size_t>(bytes.size() / 8, 1 << 16)));
  if (!bytes.empty()) SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()), bytes.data());
  SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
  SendScintilla(SCI_EMPTYUNDOBUFFER);
  SendScintilla(SCI_SETSAVEPOINT);
  SendScintilla(SCI_GOTOPOS, 0UL);
  if (wrap != WrapNone) setWrapMode(wrap);
  aheadBytes_ = kAheadMinBytes;
  colourAheadTimer_.start();
  setReadOnly(wasReadOnly);
}

std::string MarkloomEditor::bytes() const {
  const long length = SendScintilla(SCI_GETLENGTH);
  if (length <= 0) return {};
  const auto* chars = reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
  return std::string(chars, static_cast<std::size_t>(length));
}

void MarkloomEditor::appendBytes(std::string& out) const {
  const long length = SendScintilla(SCI_GETLENGTH);
  if (length <= 0) return;
  const auto* chars = reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
  out.append(chars, static_cast<std::size_t>(length));
}

std::string MarkloomEditor::bytesBetween(long from, long to) const {
  if (to <= from) return {};
  const auto* chars =
      reinterpret_cast<const char*>(SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
  return std::string(chars, static_cast<std::size_t>(to - from));
}

long MarkloomEditor::selectionStartPosition() const { return SendScintilla(SCI_GETSELECTIONSTART); }
long MarkloomEditor::selectionEndPosition() const { return SendScintilla(SCI_GETSELECTIONEND); }

std::string MarkloomEditor::selectedBytes() const {
  return bytesBetween(selectionStartPosition(), selectionEndPosition());
}

std::string MarkloomEditor::wordBytesAtCaret() const {
  const unsigned long caret = static_cast<unsigned long>(SendScintilla(SCI_GETCURRENTPOS));
  return bytesBetween(SendScintilla(SCI_WORDSTARTPOSITION, caret, 1L), SendScintilla(SCI_WORDENDPOSITION, caret, 1L));
}

bool MarkloomEditor::findBytes(std::string_view pattern, SearchFlags flags, bool forward, long from, bool reveal) {
  if (pattern.empty()) return false;
  const long length = SendScintilla(SCI_GETLENGTH);
  from = std::clamp(from, 0L, length);
  const long to = forward ? length : 0;
  if (from == to) return false;
  SendScintilla(SCI_SETSEARCHFLAGS, static_cast<unsigned long>((flags.regex ? SCFIND_REGEXP : 0) |
                                                               (flags.caseSensitive ? SCFIND_MATCHCASE : 0) |
                                                               (flags.wholeWords ? SCFIND_WHOLEWORD : 0)));
  // A target running backwards makes the search run backwards.
  SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), to);
  if (SendScintilla(SCI_SEARCHINTARGET, static_cast<unsigned long>(pattern.size()), pattern.data()) < 0) return false;
  const long start = SendScintilla(SCI_GETTARGETSTART);
  const long end = SendScintilla(SCI_GETTARGETEND);
  if (reveal) {
    const long last = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(end));
    for (long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(start)); line <= last; ++line)
      SendScintilla(SCI_ENSUREVISIBLEENFORCEPOLICY, static_cast<unsigned long>(line));
  }
  SendScintilla(SCI_SETSEL, static_cast<unsigned long>(start), end);
  return true;
}

long MarkloomEditor::replaceSelectedBytes(std::string_view replacement, bool regex) {
  const long start = selectionStartPosition();
  SendScintilla(SCI_TARGETFROMSELECTION);
  const long written = SendScintilla(regex ? SCI_REPLACETARGETRE : SCI_REPLACETARGET,
                                     static_cast<unsigned long>(replacement.size()), replacement.data());
  SendScintilla(SCI_SETSEL, static_cast<unsigned long>(start), start + written);
  return written;
}

void MarkloomEditor::setCaretBeyondEol(bool allowed) {
  caretBeyondEol_ = allowed;
  SendScintilla(SCI_SETVIRTUALSPACEOPTIONS,
                allowed ? static_cast<unsigned long>(SCVS_USERACCESSIBLE | SCVS_RECTANGULARSELECTION)
                        : static_cast<unsigned long>(SCVS_RECTANGULARSELECTION));
  if (!allowed) {  // a caret standing in virtual space goes back to the line end
    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    const long anchor = SendScintilla(SCI_GETANCHOR);
    SendScintilla(SCI_SETSELECTION, caret, anchor);
  }
}

void MarkloomEditor::showPopupList(const std::vector<std::string>& items) {
  if (items.empty()) return;
  std::string joined;
  for (const auto& item : items) {
    if (!joined.empty()) joined += kPopupSeparator;
    joined += item;
  }
  popupStart_ = SendScintilla(SCI_GETCURRENTPOS);
  SendScintilla(SCI_USERLISTSHOW, static_cast<unsigned long>(kPopupListId), joined.c_str());
}

bool MarkloomEditor::popupShowing() const { return SendScintilla(SCI_AUTOCACTIVE) != 0; }

void MarkloomEditor::showTemplateList(const std::vector<std::string>& items) {
  if (items.empty()) return;
  templateItems_ = items;
  std::string joined;
  for (const auto& item : items) {
    if (!joined.empty()) joined += kPopupSeparator;
    joined += item;
  }
  SendScintilla(SCI_USERLISTSHOW, static_cast<unsigned long>(kTemplateListId), joined.c_str());
}

void MarkloomEditor::userListPicked(const char* selection, int id) {
  if (id == kTemplateListId && selection != nullptr) {
    const auto at = std::find(templateItems_.begin(), templateItems_.end(), std::string(selection));
    if (at != templateItems_.end()) emit templatePicked(static_cast<int>(at - templateItems_.begin()));
    return;
  }
  if (id != kPopupListId || popupStart_ < 0 || selection == nullptr) return;
  const long caret = SendScintilla(SCI_GETCURRENTPOS);
  const long from = std::min(popupStart_, caret);
  const std::string item(selection);
  SendScintilla(SCI_BEGINUNDOACTION);
  SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), caret);
  SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(item.size()), item.data());
  SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(from + static_cast<long>(item.size())));
  SendScintilla(SCI_ENDUNDOACTION);
  popupStart_ = -1;
}

void MarkloomEditor::keyPressEvent(QKeyEvent* event) {
  hintTimer_.stop();
  if (event->keyCombination().toCombined() == templateExpansionKey()) {
    emit templateExpansionRequested();
    return;
  }
  const QString text = event->text();
  const bool printable = !text.isEmpty() && text.at(0).unicode() >= 33;
  const bool listShowing = popupShowing();
  QsciScintilla::keyPressEvent(event);
  if (printable && !listShowing) {
    hintPosition_ = SendScintilla(SCI_GETCURRENTPOS);
    hintTimer_.start();
  }
}

void MarkloomEditor::hintTimeout() {
  if (SendScintilla(SCI_GETCURRENTPOS) == hintPosition_) emit hintRequested();
}

int MarkloomEditor::gutterWidth() const {
  int width = 0;
  for (int m = 0; m < 5; ++m) width += static_cast<int>(SendScintilla(SCI_GETMARGINWIDTHN, m));
  return width;
}

void MarkloomEditor::resizeEvent(QResizeEvent* event) {
  QsciScintilla::resizeEvent(event);
  overlay_->setGutterWidth(gutterWidth());
}

static BackgroundOverlay::Kind overlayKind(MarkloomEditor::Gradient kind) {
  switch (kind) {
    case MarkloomEditor::Gradient::Vertical: return BackgroundOverlay::Kind::Vertical;
    case MarkloomEditor::Gradient::Horizontal: return BackgroundOverlay::Kind::Horizontal;
    default: return BackgroundOverlay::Kind::None;
  }
}

static MarkloomEditor::Gradient gradientKind(BackgroundOverlay::Kind kind) {
  switch (kind) {
    case BackgroundOverlay::Kind::Vertical: return MarkloomEditor::Gradient::Vertical;
    case BackgroundOverlay::Kind::Horizontal: return MarkloomEditor::Gradient::Horizontal;
    default: return MarkloomEditor::Gradient::None;
  }
}

void MarkloomEditor::setEditorGradient(Gradient kind, const QColor& from, const QColor& to) {
  // The gradient multiplies onto the paper, so the paper turns white under it.
  if (kind != Gradient::None) setPaper(Qt::white);
  overlay_->setGutterWidth(gutterWidth());
  overlay_->setEditor(overlayKind(kind), from, to);
}

void MarkloomEditor::setGutterGradient(Gradient kind, const QColor& from, const QColor& to) {
  if (kind != Gradient::None) setMarginsBackgroundColor(Qt::white);
  overlay_->setGutterWidth(gutterWidth());
  overlay_->setGutter(overlayKind(kind), from, to);
}

void MarkloomEditor::setPlainBackground(const QColor& color) { setPaper(color); }

void MarkloomEditor::setGutterColor(const QColor& color) { setMarginsBackgroundColor(color); }

MarkloomEditor::Gradient MarkloomEditor::editorGradient() const { return gradientKind(overlay_->editorKind()); }
MarkloomEditor::Gradient MarkloomEditor::gutterGradient() const { return gradientKind(overlay_->gutterKind()); }

}  // namespace markloom

namespace markloom {

bool MarkloomEditor::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool commandKey = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) ||
                            (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35);
    // Keys the chosen key mapping binds stay the editor's; its default keys
    // give way to the window's menu shortcuts.
    if (commandKey && !mappingBindsKey(*this, key->keyCombination().toCombined())) {
      const QKeySequence pressed(key->keyCombination());
      for (const QAction* action : window()->findChildren<QAction*>()) {
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
          event->ignore();  // not overridden: the window's shortcut runs
          return false;
        }
      }
    }
  }
  return QsciScintilla::event(event);
}

}  // namespace markloom
