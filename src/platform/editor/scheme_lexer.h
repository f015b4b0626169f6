#pragma once
// The editor's colouring, driven by a colouring scheme: styles come from the
// scheme's blocks, and text is styled line by line from the state stored at
// the end of the line before.
#include <Qsci/qscilexercustom.h>

#include <memory>
#include <vector>

#include "core/highlighting/syntax_scheme.h"

namespace markloom {

class SchemeLexer : public QsciLexerCustom {
  Q_OBJECT
 public:
  explicit SchemeLexer(const SyntaxScheme& scheme, QObject* parent = nullptr);

  const SyntaxScheme& scheme() const { return styler_->scheme(); }
  void setScheme(const SyntaxScheme& scheme);
  // The paper of every style whose block has no background of its own.
  void setPlainPaper(const QColor& color);

  const char* language() const override;
  QString description(int style) const override;
  QColor defaultColor(int style) const override;
  QColor defaultPaper(int style) const override;
  QFont defaultFont(int style) const override;
  void styleText(int start, int end) override;

 private:
  // Block and token class of a style number; false for numbers not in use.
  bool decode(int style, int& block, TokenClass& cls) const;

  static constexpr long kPieceBytes = 1 << 20;

  std::unique_ptr<SchemeStyler> styler_;
  std::vector<unsigned char> styles_;
  QColor plainPaper_ = Qt::white;
};

}  // namespace markloom
