#pragma once
// An editor for one colouring scheme: the tree of blocks, each block's
// delimiters, comments, strings, numbers and keywords, the colour and font of
// each style, and a preview of sample text coloured as the scheme says. Load,
// Save, Save As and Clear work on scheme files; the file choosers open in the
// folder given.
#include <QString>
#include <QWidget>

#include "core/highlighting/syntax_scheme.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace markloom {

class MarkloomEditor;
class SchemeLexer;

class SchemeEditor : public QWidget {
  Q_OBJECT
 public:
  SchemeEditor(const SyntaxScheme& scheme, const QString& folder, QWidget* parent = nullptr);

  const SyntaxScheme& scheme() const { return scheme_; }
  void setScheme(const SyntaxScheme& scheme);
  // The file the scheme was last loaded from or saved to; empty before.
  const QString& fileName() const { return fileName_; }
  int currentBlock() const { return current_; }
  void selectBlock(int index);

 public slots:
  // Each reports its errors in the standard error box.
  void load();
  void save();
  void saveAs();
  void clear();
  void addBlock();
  void removeBlock();

 signals:
  void schemeChanged();

 private:
  QWidget* buildBlocksPage();
  QWidget* buildStylesPage();
  void fillTree();
  void showBlock();
  void showStyle();
  // Copies the fields of the block on show into the scheme.
  void readBlockFields();
  void readStyleFields();
  void changed();
  void writeTo(const QString& path);

  SyntaxScheme scheme_;
  QString folder_, fileName_;
  int current_ = 0;
  bool filling_ = false;

  QTreeWidget* tree_ = nullptr;
  QPushButton* addBlock_ = nullptr;
  QPushButton* removeBlock_ = nullptr;
  QLineEdit* name_ = nullptr;
  QTableWidget* delimiters_ = nullptr;
  QLineEdit* lineComments_ = nullptr;
  QTableWidget* blockComments_ = nullptr;
  QLineEdit* quotes_ = nullptr;
  QLineEdit* escape_ = nullptr;
  QCheckBox* numbers_ = nullptr;
  QLineEdit* numberPrefixes_ = nullptr;
  QLineEdit* identifierPrefixes_ = nullptr;
  QLineEdit* keywordSet_ = nullptr;
  QPlainTextEdit* keywords_ = nullptr;
  QCheckBox* caseSensitive_ = nullptr;
  QLineEdit* lineContinuation_ = nullptr;
  QCheckBox* background_ = nullptr;
  QPushButton* backgroundColour_ = nullptr;
  QListWidget* classes_ = nullptr;
  QPushButton* styleColour_ = nullptr;
  QCheckBox* bold_ = nullptr;
  QCheckBox* italic_ = nullptr;
  MarkloomEditor* preview_ = nullptr;
  SchemeLexer* lexer_ = nullptr;
};

}  // namespace markloom
