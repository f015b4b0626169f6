#pragma once
// One open document: its file, how its bytes are encoded, its line ends, the
// modified flag and the watch on the file. The text itself lives in the editor
// widget the document window shows; the document reaches it through its
// EditorOps. Text that goes into the document from any box or dialog, and text
// that comes out of it to be shown, crosses through the document's codec.
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/editor_ops.h"
#include "core/document/tag_template_file.h"
#include "core/text/text_codec.h"
#include "core/text/text_encoding.h"
#include "platform/editor/scintilla_editor_ops.h"

namespace markloom {

class MarkloomEditor;

class Document : public QObject {
  Q_OBJECT
 public:
  // The file name of a document that was never saved.
  static const QString kUntitled;  // "UNTITLED"

  explicit Document(MarkloomEditor& editor, QObject* parent = nullptr);
  ~Document() override;

  const QString& fileName() const { return fileName_; }
  void setFileName(const QString& path);
  bool isUntitled() const { return fileName_ == kUntitled; }

  EditorOps& editorOps() { return *ops_; }
  const EditorOps& editorOps() const { return *ops_; }
  // What only the editor widget has: gutter markers (bookmarks).
  ScintillaEditorOps& editorWidgetOps() { return *ops_; }

  // UTF-8 when the text is UTF-8, 8-bit (Windows-1252) otherwise.
  TextCodec codec() const;
  LineEnd lineEnd() const;
  // Text the user typed or chose, as the document's bytes.
  std::string encode(const QString& text) const;
  // The document's bytes, as text to show.
  QString decode(std::string_view bytes) const;

  bool isModified() const;
  void setModified(bool modified);

  // Replaces the text by the file's bytes and takes path as the file name.
  // Raises cannotOpenFile(path) and leaves the document as it was.
  void load(const QString& path);
  // Replaces the text by bytes that belong to no file (the document stays
  // untitled and is marked modified, so closing it asks first).
  void loadUntitled(const std::string& bytes);
  // Writes the text to fileName(), safely; clears the modified flag. Raises
  // cannotCreateFile with the document left modified.
  void save();

  // The hint list on offer: the entries of the list file loaded last, as the
  // document's bytes. Loading replaces it; raises cannotOpenFile and then
  // offers nothing.
  const std::vector<std::string>& hintList() const { return hintList_; }
  void loadHintList(const QString& path);

  // The tag templates the editor expands, from the template file, as UTF-8 text. Loading
  // replaces those held before; on an error (raised) none are held.
  const std::vector<TagTemplate>& templates() const { return templates_; }
  void loadTemplates(const QString& path);
  void setTemplates(std::vector<TagTemplate> templates) { templates_ = std::move(templates); }

 signals:
  // A file of size bytes is about to replace the text.
  void aboutToLoad(std::size_t size);
  // The file was loaded, or replaced by a reload after a change on disk.
  void loaded(const QString& path);
  // The text was written to path.
  void saved(const QString& path);
  // The modified mark was set or cleared on purpose (save, load, a file gone).
  void modifiedChanged();

 private:
  // What the file held after our last load or save, as size and hash: a copy
  // of a large file would cost as much memory as the text itself.
  struct Fingerprint {
    std::size_t size = 0, hash = 0;
    bool known = false;
    bool operator==(const Fingerprint&) const = default;
  };
  static Fingerprint fingerprint(const std::string& bytes);
  void watchFile();
  void fileChangedOnDisk();

  MarkloomEditor& editor_;
  std::unique_ptr<ScintillaEditorOps> ops_;
  QString fileName_ = kUntitled;
  QFileSystemWatcher watcher_;
  Fingerprint saved_;
  bool askingReload_ = false;
  std::vector<std::string> hintList_;
  std::vector<TagTemplate> templates_;
};

}  // namespace markloom
