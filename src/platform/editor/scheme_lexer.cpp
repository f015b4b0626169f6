#include "platform/editor/scheme_lexer.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <vector>

namespace markloom {

namespace {
QColor rgb(std::uint32_t c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }
const char* kClassNames[] = {"Text", "Comment", "String", "Number", "Keyword", "Identifier", "Delimiter"};
}  // namespace

SchemeLexer::SchemeLexer(const SyntaxScheme& scheme, QObject* parent)
    : QsciLexerCustom(parent), styler_(std::make_unique<SchemeStyler>(scheme)) {
  setDefaultFont(QFont("Courier New", 10));
  setDefaultPaper(plainPaper_);
}

void SchemeLexer::setScheme(const SyntaxScheme& scheme) {
  styler_ = std::make_unique<SchemeStyler>(scheme);
  if (auto* e = editor()) {
    e->setLexer(nullptr);
    e->setLexer(this);
  }
}

void SchemeLexer::setPlainPaper(const QColor& color) {
  plainPaper_ = color;
  setDefaultPaper(color);
  for (int style = 0; style < 128; ++style) {
    int block;
    TokenClass cls;
    if (decode(style, block, cls) && scheme().blocks[block].background < 0) setPaper(color, style);
  }
}

const char* SchemeLexer::language() const { return "Scheme"; }

bool SchemeLexer::decode(int style, int& block, TokenClass& cls) const {
  if (style >= 32 && style <= 39) return false;
  const int n = style < 32 ? style : style - 8;
  block = n / kTokenClassCount;
  cls = static_cast<TokenClass>(n % kTokenClassCount);
  return block < static_cast<int>(scheme().blocks.size());
}

QString SchemeLexer::description(int style) const {
  int block;
  TokenClass cls;
  if (!decode(style, block, cls)) return {};
  return QString::fromStdString(scheme().blocks[block].name) + " " + kClassNames[static_cast<int>(cls)];
}

QColor SchemeLexer::defaultColor(int style) const {
  int block;
  TokenClass cls;
  if (!decode(style, block, cls)) return QsciLexerCustom::defaultColor(style);
  return rgb(scheme().blocks[block].styles[static_cast<int>(cls)].color);
}

QColor SchemeLexer::defaultPaper(int style) const {
  int block;
  TokenClass cls;
  if (!decode(style, block, cls)) return plainPaper_;
  const auto bg = scheme().blocks[block].background;
  return bg < 0 ? plainPaper_ : rgb(static_cast<std::uint32_t>(bg));
}

QFont SchemeLexer::defaultFont(int style) const {
  QFont font("Courier New", 10);
  int block;
  TokenClass cls;
  if (decode(style, block, cls)) {
    const auto& ts = scheme().blocks[block].styles[static_cast<int>(cls)];
    font.setBold(ts.bold);
    font.setItalic(ts.italic);
  }
  return font;
}

void SchemeLexer::styleText(int start, int end) {
  QsciScintilla* e = editor();
  if (!e || end <= start) return;
  int line = static_cast<int>(e->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, start));
  const long from = e->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
  const long length = e->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
  // Whole lines: the end of the line holding end-1.
  const int lastLine = static_cast<int>(e->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, end - 1));
  long to = lastLine + 1 < e->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT)
                ? e->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, lastLine + 1)
                : length;
  if (to <= from) return;
  int state = line > 0 ? static_cast<int>(e->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, line - 1)) : 0;
  startStyling(static_cast<int>(from));
  // Whole lines a piece at a time, so a long range (the end of a large file)
  // needs no buffer of its size.
  for (long pieceFrom = from; pieceFrom < to;) {
    const long pieceTo = std::min(to, pieceFrom + kPieceBytes);
    const auto* text = reinterpret_cast<const char*>(e->SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(pieceFrom), pieceTo - pieceFrom));
    const std::string_view piece(text, static_cast<std::size_t>(pieceTo - pieceFrom));
    styles_.clear();
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < piece.size(); ++i) {
      const char c = piece[i];
      const bool lineEnd = c == '\n' || (c == '\r' && (i + 1 >= piece.size() ? pieceTo == to : piece[i + 1] != '\n'));
      if (!lineEnd) continue;
      state = styler_->styleLine(piece.substr(lineStart, i + 1 - lineStart), state, styles_);
      e->SendScintilla(QsciScintillaBase::SCI_SETLINESTATE, static_cast<unsigned long>(line++), state);
      lineStart = i + 1;
    }
    if (lineStart < piece.size() && pieceTo == to) {  // the last line, without a line end
      state = styler_->styleLine(piece.substr(lineStart), state, styles_);
      e->SendScintilla(QsciScintillaBase::SCI_SETLINESTATE, static_cast<unsigned long>(line), state);
      lineStart = piece.size();
    }
    if (lineStart == 0) {
      // One line longer than a piece: take it whole.
      const long lineTo =
          std::min(to, e->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1)));
      const long lineStop = lineTo <= pieceFrom ? to : lineTo;
      const auto* whole = reinterpret_cast<const char*>(e->SendScintilla(
          QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(pieceFrom), lineStop - pieceFrom));
      state =
          styler_->styleLine(std::string_view(whole, static_cast<std::size_t>(lineStop - pieceFrom)), state, styles_);
      e->SendScintilla(QsciScintillaBase::SCI_SETLINESTATE, static_cast<unsigned long>(line++), state);
      lineStart = static_cast<std::size_t>(lineStop - pieceFrom);
    }
    e->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<unsigned long>(styles_.size()),
                     reinterpret_cast<const char*>(styles_.data()));
    pieceFrom += static_cast<long>(lineStart);
  }
}

}  // namespace markloom
