#include "ui/document/document_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/common/error.h"
#include "core/document/new_page.h"
#include "core/text/file_io.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scheme_lexer.h"
#include "platform/editor/scintilla_editor_ops.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/file_chooser.h"

namespace markloom {

const QString DocumentWindow::Untitled = QStringLiteral("UNTITLED");

namespace {
std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString title() {
  const QString t = QApplication::applicationDisplayName();
  return t.isEmpty() ? QStringLiteral("Tarnwell Markloom 5.0") : t;
}
}  // namespace

DocumentWindow::DocumentWindow(MainWindow* owner, QWidget* parent) : QWidget(parent), owner_(owner) {
  setObjectName("Form2");
  resize(583, 371);
  FileName = Untitled;
  RichEdit1 = new MarkloomEditor(this);
  ops_ = std::make_unique<ScintillaEditorOps>(*RichEdit1);
  SyntaxParser7 = new SchemeLexer(defaultScheme(), this);
  buildOptionsBar();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(optionsBar_);
  layout->addWidget(RichEdit1);
  applyEditorDefaults();
  RichEdit1->loadBytes(newPageText());
  ops_->setModified(false);
  connect(RichEdit1, &MarkloomEditor::hintRequested, this, &DocumentWindow::hintRequested);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
    // Several notices may arrive for one change; ask once, after they settle.
    QTimer::singleShot(200, this, &DocumentWindow::fileChangedOnDisk);
  });

  // Creation: count, caption, window list.
  int number = 1;
  if (owner_) number = ++owner_->DocumentCounter;
  setCaption(QStringLiteral("Document%1").arg(number));
  if (owner_) owner_->addToWindowList(windowTitle(), this);
}

DocumentWindow::~DocumentWindow() {
  if (owner_) owner_->removeFromWindowList(this);
}

EditorOps& DocumentWindow::editorOps() { return *ops_; }

bool DocumentWindow::Modified() const { return ops_->Modified(); }
void DocumentWindow::setModified(bool modified) { ops_->setModified(modified); }

void DocumentWindow::setCaption(const QString& caption) {
  setWindowTitle(caption);
  if (parentWidget()) parentWidget()->setWindowTitle(caption);  // the MDI frame around us
}

void DocumentWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void DocumentWindow::FormShow() {
  FileName = Untitled;
  guarded([&] { ApplySettings(); });
}

void DocumentWindow::LoadFile(const QString& path) {
  const std::string bytes = readFile(localPath(path));
  if (bytes.size() > MarkloomEditor::kWrapLimitBytes) {
    if (QAction* wrap = optionsBar_->findChild<QAction*>("dxBarButton4")) wrap->setChecked(false);
    RichEdit1->setWrapMode(QsciScintilla::WrapNone);
  }
  RichEdit1->loadBytes(bytes);
  ops_->setModified(false);
  saved_ = fingerprint(bytes);
  setCaption(path);
  FileName = path;
  watchFile();
}

void DocumentWindow::writeFile(const QString& path) {
  const std::string bytes = RichEdit1->bytes();
  if (path.isEmpty()) throw cannotCreateFile(localPath(path));
  // The watcher would report our own write as a change on disk.
  watcher_.removePaths(watcher_.files());
  try {
    writeFileAtomically(localPath(path), bytes);
  } catch (...) {
    watchFile();
    throw;
  }
  saved_ = fingerprint(bytes);
  watchFile();
}

DocumentWindow::Fingerprint DocumentWindow::fingerprint(const std::string& bytes) {
  return {bytes.size(), std::hash<std::string>{}(bytes), true};
}

bool DocumentWindow::Save() {
  if (FileName == Untitled) return SaveAs();
  writeFile(FileName);
  ops_->setModified(false);
  return true;
}

bool DocumentWindow::SaveAs() {
  const QString chosen = chooseSaveFile(this, FileName);
  if (chosen.isEmpty()) return false;
  FileName = chosen;
  setCaption(QFileInfo(chosen).fileName());
  return Save();
}

bool DocumentWindow::closeQuery() {
  if (!Modified()) return true;
  const auto answer = Prompter::instance().message(title(), QStringLiteral("Save changes to %1?").arg(FileName),
                                                   Prompter::Icon::Question, Prompter::Buttons::YesNoCancel);
  if (answer == Prompter::Answer::Cancel) return false;
  if (answer == Prompter::Answer::No) return true;
  // Yes: close only once the text is safely written.
  bool saved = false;
  guarded([&] { saved = Save(); });
  return saved;
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
  if (closeQuery())
    event->accept();
  else
    event->ignore();
}

void DocumentWindow::watchFile() {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (FileName != Untitled && QFileInfo::exists(FileName)) watcher_.addPath(FileName);
}

void DocumentWindow::fileChangedOnDisk() {
  if (askingReload_ || FileName == Untitled) return;
  askingReload_ = true;
  const QString path = FileName;
  if (!QFileInfo::exists(path)) {
    if (saved_.known) {
      Prompter::instance().message(title(),
                                   QStringLiteral("The file %1 was deleted or moved. The text stays open; "
                                                  "save it to keep it.").arg(path),
                                   Prompter::Icon::Warning, Prompter::Buttons::Ok);
      ops_->setModified(true);
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
    const QString question = Modified()
        ? QStringLiteral("The file %1 was changed by another program. Reload it and lose your changes?")
        : QStringLiteral("The file %1 was changed by another program. Reload it?");
    const auto answer = Prompter::instance().message(title(), question.arg(path), Prompter::Icon::Question,
                                                     Prompter::Buttons::YesNo);
    if (answer == Prompter::Answer::Yes) {
      guarded([&] { LoadFile(path); });
    } else {
      saved_ = fingerprint(now);  // ask again only after the next change
      ops_->setModified(true);
    }
  }
  askingReload_ = false;
  watchFile();
}

}  // namespace markloom
