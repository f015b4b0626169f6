#pragma once
// An editor for one colouring scheme: the tree of blocks, each block's
// delimiters, comments, strings, numbers and keywords, the colour and font of
// each style, and a preview of sample text coloured as the scheme says. Load,
// Save, Save As and Clear work on scheme files; the file choosers open in the
// folder given.
#include <QString>
#include <QWidget>

#include "core/highlighting/syntax_scheme.h"

class QPushButton;
class QTreeWidget;

namespace markloom {

class SchemeBlockFields;
class SchemeStylesPage;

class SchemeEditor : public QWidget {
  Q_OBJECT
 public:
  SchemeEditor(const SyntaxScheme& scheme, const QString& folder, QWidget* parent = nullptr);

  // Where schemes are written when the folder they are read from is not the
  // user's: Save of a scheme loaded from shippedFolder writes a file of the
  // same name in ownFolder, and Save As proposes ownFolder.
  void setSaveFolder(const QString& shippedFolder, const QString& ownFolder);

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
  void fillTree();
  void showBlock();
  void showStyle();
  // Copies the fields of the block on show into the scheme.
  void readBlockFields();
  void readStyleFields();
  void chooseBackgroundColour();
  void chooseStyleColour();
  SchemeBlock& block() { return scheme_.blocks[static_cast<std::size_t>(current_)]; }
  void changed();
  void writeTo(const QString& path);

  SyntaxScheme scheme_;
  QString folder_, fileName_;
  QString shippedFolder_, ownFolder_;
  int current_ = 0;
  bool filling_ = false;

  QTreeWidget* tree_ = nullptr;
  QPushButton* addBlock_ = nullptr;
  QPushButton* removeBlock_ = nullptr;
  SchemeBlockFields* fields_ = nullptr;
  SchemeStylesPage* styles_ = nullptr;
};

}  // namespace markloom
