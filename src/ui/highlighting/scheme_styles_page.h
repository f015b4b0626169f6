#pragma once
// The Styles page of the scheme editor: the token classes of one block, the
// colour, bold and italic of the class selected, and a preview of sample text
// coloured as the whole scheme says.
#include <QWidget>

#include "core/highlighting/syntax_scheme.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace markloom {

class MarkloomEditor;
class SchemeLexer;

class SchemeStylesPage : public QWidget {
  Q_OBJECT
 public:
  explicit SchemeStylesPage(const SyntaxScheme& scheme, QWidget* parent = nullptr);

  // The token class selected (the first when none is); selectAClass() selects
  // the first when none is.
  int currentClass() const;
  void selectAClass();
  // Fills the controls from style; edited() is not emitted for it.
  void showStyle(const TokenStyle& style);
  // Copies bold and italic into style.
  void readInto(TokenStyle& style) const;
  // The preview follows scheme.
  void preview(const SyntaxScheme& scheme);
  SchemeLexer* lexer() const { return lexer_; }

 signals:
  void classChanged();
  void colourClicked();
  // Bold or italic was changed by the user.
  void edited();

 private:
  bool filling_ = false;
  QListWidget* classes_ = nullptr;
  QPushButton* styleColour_ = nullptr;
  QCheckBox* bold_ = nullptr;
  QCheckBox* italic_ = nullptr;
  MarkloomEditor* preview_ = nullptr;
  SchemeLexer* lexer_ = nullptr;
};

}  // namespace markloom
