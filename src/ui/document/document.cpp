#include "ui/document/document.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "core/common/error.h"
#include "core/text/file_io.h"
#include "core/text/write_journal.h"
#include "core/document/data_file_text.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scintilla_editor_ops.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"

namespace markloom {

const QString Document::kUntitled = QStringLiteral("UNTITLED");

namespace {
std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString title() {
  const QString t = QApplication::applicationDisplayName();
  return t.isEmpty() ? QStringLiteral("Tarnwell Markloom 5.0") : t;
}
}  // namespace

Document::Document(MarkloomEditor& editor, QObject* parent)
    : QObject(parent), editor_(editor), ops_(std::make_unique<ScintillaEditorOps>(editor)) {
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
    // Several notices may arrive for one change; ask once, after they settle.
    QTimer::singleShot(200, this, &Document::fileChangedOnDisk);
  });
}

Document::~Document() = default;

void Document::loadHintList(const QString& path) {
  hintList_.clear();
  // The entries go into the text as its own bytes.
  for (const std::string& entry : readListText(localPath(path))) hintList_.push_back(codec().encode(entry));
}

void Document::loadTemplates(const QString& path) {
  templates_.clear();
  templates_ = readTemplateText(localPath(path));
}

void Document::setFileName(const QString& path) {
  fileName_ = path;
  watchFile();
}

TextCodec Document::codec() const {
  return TextCodec(editor_.isUtf8Text() ? TextEncoding::Utf8 : TextEncoding::EightBit);
}

LineEnd Document::lineEnd() const { return editor_.lineEnd(); }

std::string Document::encode(const QString& text) const { return codec().encode(text.toUtf8().toStdString()); }

QString Document::decode(std::string_view bytes) const {
  const std::string utf8 = codec().decode(bytes);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool Document::isModified() const { return ops_->modified(); }
void Document::setModified(bool modified) {
  ops_->setModified(modified);
  emit modifiedChanged();
}

void Document::load(const QString& path) {
  // A save of this file that another run left half done is finished first
  // (or, before the file was touched, dropped): the page is never shown torn.
  journal::settleFile(localPath(path));
  const std::string bytes = readFile(localPath(path));
  emit aboutToLoad(bytes.size());
  editor_.loadBytes(bytes);
  setModified(false);
  saved_ = fingerprint(bytes);
  fileName_ = path;
  watchFile();
  emit loaded(path);
}

void Document::loadUntitled(const std::string& bytes) {
  emit aboutToLoad(bytes.size());
  editor_.loadBytes(bytes);
  setModified(true);
}

void Document::save() {
  const std::string bytes = editor_.bytes();
  if (fileName_.isEmpty() || isUntitled()) throw cannotCreateFile(localPath(fileName_));
  // The watcher would report our own write as a change on disk.
  watcher_.removePaths(watcher_.files());
  try {
    writeFileAtomically(localPath(fileName_), bytes);
  } catch (...) {
    watchFile();
    throw;
  }
  saved_ = fingerprint(bytes);
  watchFile();
  setModified(false);
  emit saved(fileName_);
}

Document::Fingerprint Document::fingerprint(const std::string& bytes) {
  return {bytes.size(), std::hash<std::string>{}(bytes), true};
}

void Document::watchFile() {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!isUntitled() && QFileInfo::exists(fileName_)) watcher_.addPath(fileName_);
}

void Document::fileChangedOnDisk() {
  if (askingReload_ || isUntitled()) return;
  askingReload_ = true;
  const QString path = fileName_;
  if (!QFileInfo::exists(path)) {
    if (saved_.known) {
      Prompter::instance().message(title(),
                                   QStringLiteral("The file %1 was deleted or moved. The text stays open; "
                                                  "save it to keep it.")
                                       .arg(path),
                                   Prompter::Icon::Warning, Prompter::Buttons::Ok);
      setModified(true);
      saved_ = {};
    }
    askingReload_ = false;
    return;
  }
  std::string now;
  try {
    now = readFile(localPath(path));
  } catch (const Error&) {
    askingReload_ = false;
    watchFile();
    return;
  }
  if (fingerprint(now) != saved_) {
    const QString question =
        isModified() ? QStringLiteral("The file %1 was changed by another program. Reload it and lose your changes?")
                     : QStringLiteral("The file %1 was changed by another program. Reload it?");
    const auto answer =
        Prompter::instance().message(title(), question.arg(path), Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (answer == Prompter::Answer::Yes) {
      guarded([&] { load(path); });
    } else {
      saved_ = fingerprint(now);  // ask again only after the next change
      setModified(true);
    }
  }
  askingReload_ = false;
  watchFile();
}

}  // namespace markloom
