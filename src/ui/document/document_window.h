#pragma once
// A document window: the widget that shows one open document in the main
// window's document area, with its editor and the Options toolbar.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "core/document/spell_setup.h"
#include "core/settings/settings_snapshot.h"
#include "ui/document/document.h"

class QAction;
class QComboBox;
class QToolBar;

namespace markloom {

class DocumentHost;
class MarkloomEditor;
class SchemeLexer;

class DocumentWindow : public QWidget {
  Q_OBJECT
 public:
  // Creation: counts the document, captions it "Document<N>" and enters it in
  // the host's window list. host may be null (a window on its own).
  explicit DocumentWindow(DocumentHost* host, QWidget* parent = nullptr);
  ~DocumentWindow() override;

  // The open document: file, encoding, modified flag, the text's operations.
  Document& document() { return *document_; }
  const Document& document() const { return *document_; }
  MarkloomEditor* editor() const { return editor_; }

  // Loads path into the document; the caption becomes path. Raises
  // cannotOpenFile(path) and leaves the window as it was.
  void loadFile(const QString& path);
  // Empties the text and takes path as the file name and caption, for a file
  // that does not exist yet; saving creates it.
  void startNewFile(const QString& path);
  // Writes the text to the document's file (saveAs when untitled). Returns
  // false when the user cancelled the file chooser; raises cannotCreateFile
  // on failure, with the document left modified.
  bool save();
  bool saveAs();

  // Applies the host's stored settings. A conversion error is raised
  // after the settings before it took effect.
  void applyStoredSettings();
  void applySettings(const SettingsSnapshot& settings);

  // The close query: true when the window may close (saved, or changes given
  // up). Errors of the save are shown and keep the window open.
  bool closeQuery();

  // Spell-checker set-up as the settings gave it.
  const SpellSetup& spellSetup() const { return spellSetup_; }
  QString keymapping() const { return keymapping_; }
  int blockIndent() const { return blockIndent_; }
  QString tabStops() const { return tabStops_; }
  bool findAtCursor() const { return findAtCursor_; }

  QToolBar* optionsBar() const { return optionsBar_; }
  QComboBox* highlighterBox() const { return highlighterBox_; }
  // The colouring in use, driven by the document's scheme.
  SchemeLexer* lexer() const { return lexer_; }

 signals:
  // The caret rested after a printable key: time to offer a hint list.
  void hintRequested();

 public slots:
  void showLineNumbers(bool shown);
  void showGutter(bool shown);
  void setWordWrap(bool wrap);
  void showSpecialCharacters(bool shown);
  void previewWmlCard();
  // The hint list for the word just typed, shown at the caret; nothing when
  // the word is no trigger. Raises cannotOpenFile for a missing list file.
  void offerHintList();
  // Loads the scheme of the Highlighters entry text; other entries change
  // nothing. Raises, with the scheme in use kept, when the file is missing
  // or is no scheme.
  void chooseHighlighter(const QString& text);
  // Replaces the word at the caret by the code of the template it names, or
  // lists the templates it may stand for.
  void expandTemplate();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildOptionsBar();
  void applyEditorDefaults();
  void setCaption(const QString& caption);
  // The caption, with " *" while the document is modified.
  void showCaption();
  // The line-number margin: wide enough for the last line's number (five digits at least).
  void fitLineNumbers();
  void insertTemplate(std::size_t index, long from, long to);
  void templatePicked(int listIndex);

  DocumentHost* host_ = nullptr;
  MarkloomEditor* editor_ = nullptr;
  Document* document_ = nullptr;
  SchemeLexer* lexer_ = nullptr;
  QToolBar* optionsBar_ = nullptr;
  QComboBox* highlighterBox_ = nullptr;
  bool shown_ = false;
  QString caption_;
  bool gutterShown_ = true;
  SpellSetup spellSetup_;
  QString keymapping_ = "Default";
  QString tabStops_ = "9,17";
  int blockIndent_ = 1;
  bool findAtCursor_ = true;  // find dialogs start with the word at the caret
  bool tagHints_ = true;      // the tag list on '<'
  bool scriptHints_ = true;   // the JavaScript object lists on "document." and the like
  // The templates listed for the user to pick from, and the word they replace.
  std::vector<std::size_t> listedTemplates_;
  long templateFrom_ = 0, templateTo_ = 0;
};

}  // namespace markloom
