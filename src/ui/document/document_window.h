#pragma once
// A document window: one open document in the main window's document area,
// with its editor, file name, modified state and the Options toolbar.
#include <QFileSystemWatcher>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "core/document/editor_ops.h"
#include "core/document/spell_setup.h"
#include "core/settings/settings_snapshot.h"

class QAction;
class QComboBox;
class QToolBar;

namespace markloom {

class MainWindow;
class MarkloomEditor;
class ScintillaEditorOps;
class SchemeLexer;

class DocumentWindow : public QWidget {
  Q_OBJECT
 public:
  // Creation: counts the document, captions it "Document<N>" and enters it in
  // the main window's window list. owner may be null (a window on its own).
  explicit DocumentWindow(MainWindow* owner, QWidget* parent = nullptr);
  ~DocumentWindow() override;

  static const QString Untitled;  // "UNTITLED"

  // The document's file, or "UNTITLED".
  QString FileName;
  bool isUntitled() const { return FileName == Untitled; }

  EditorOps& editorOps();
  MarkloomEditor* editor() const { return RichEdit1; }

  bool Modified() const;
  void setModified(bool modified);

  // Replaces the text by the file's bytes; the caption becomes path. Raises
  // cannotOpenFile(path) and leaves the window as it was.
  void LoadFile(const QString& path);
  // Writes the text to FileName (SaveAs when untitled). Returns false when the
  // user cancelled the file chooser; raises cannotCreateFile on failure, with
  // the document left modified.
  bool Save();
  bool SaveAs();

  // Applies the main window's settings snapshot (steps 2 to 9). A conversion
  // error is raised after the steps before it took effect.
  void ApplySettings();
  void applySettings(const SettingsSnapshot& settings);

  // The close query: true when the window may close (saved, or changes given
  // up). Errors of the save are shown and keep the window open.
  bool closeQuery();

  // Spell-checker set-up as the settings gave it.
  const SpellSetup& Checker() const { return checker_; }
  QString keymapping() const { return keymapping_; }
  int blockIndent() const { return blockIndent_; }
  QString tabStops() const { return tabStops_; }
  bool findAtCursor() const { return findAtCursor_; }

  QToolBar* optionsBar() const { return optionsBar_; }
  QComboBox* ComboHighlight = nullptr;

 signals:
  // The caret rested after a printable key: time to offer a hint list.
  void hintRequested();

 public slots:
  void dxBarButton1Click(bool down);  // Line Numbers
  void dxBarButton2Click(bool down);  // Gutter
  void dxBarButton4Click(bool down);  // Word Wrap
  void dxBarButton6Click(bool down);  // Special Characters
  void dxBarButton7Click();           // WML Preview

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormShow();
  void buildOptionsBar();
  void applyEditorDefaults();
  void writeFile(const QString& path);
  void watchFile();
  void fileChangedOnDisk();
  void setCaption(const QString& caption);

  MainWindow* owner_ = nullptr;
  MarkloomEditor* RichEdit1 = nullptr;
  std::unique_ptr<ScintillaEditorOps> ops_;
  SchemeLexer* SyntaxParser7 = nullptr;
  QToolBar* optionsBar_ = nullptr;
  bool shown_ = false;
  SpellSetup checker_;
  QString keymapping_ = "Default";
  QString tabStops_ = "9,17";
  int blockIndent_ = 1;
  bool groupUndo_ = true;     // the editor groups typing into undo steps either way
  bool findAtCursor_ = true;  // find dialogs start with the word at the caret

  QFileSystemWatcher watcher_;
  // What the file held after our last load or save, as size and hash: a copy
  // of a large file would cost as much memory as the text itself.
  struct Fingerprint {
    std::size_t size = 0, hash = 0;
    bool known = false;
    bool operator==(const Fingerprint&) const = default;
  };
  static Fingerprint fingerprint(const std::string& bytes);
  Fingerprint saved_;
  bool askingReload_ = false;
};

}  // namespace markloom
