#include "platform/editor/scheme_lexer.h"

#include <Qsci/qsciscintilla.h>

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
  const auto* text = reinterpret_cast<const char*>(
      e->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
  const std::string_view all(text, static_cast<std::size_t>(to - from));
  int state = line > 0 ? static_cast<int>(e->SendScintilla(QsciScintillaBase::SCI_GETLINESTATE, line - 1)) : 0;
  std::vector<unsigned char> styles;
  styles.reserve(all.size());
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const char c = all[i];
    if (c == '\n' || (c == '\r' && (i + 1 >= all.size() || all[i + 1] != '\n'))) {
      state = styler_->styleLine(all.substr(lineStart, i + 1 - lineStart), state, styles);
      e->SendScintilla(QsciScintillaBase::SCI_SETLINESTATE, static_cast<unsigned long>(line++), state);
      lineStart = i + 1;
    }
  }
  if (lineStart < all.size()) {
    state = styler_->styleLine(all.substr(lineStart), state, styles);
    e->SendScintilla(QsciScintillaBase::SCI_SETLINESTATE, static_cast<unsigned long>(line), state);
  }
  startStyling(static_cast<int>(from));
  e->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<unsigned long>(styles.size()),
                   reinterpret_cast<const char*>(styles.data()));
}

}  // namespace markloom
