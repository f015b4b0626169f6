#include "ui/document/document_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/common/command_ids.h"
#include "core/document/new_page.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scheme_lexer.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document.h"
#include "ui/document/file_chooser.h"
#include "ui/workbench/document_host.h"

namespace markloom {

namespace {
QString title() {
  const QString t = QApplication::applicationDisplayName();
  return t.isEmpty() ? QStringLiteral("Tarnwell Markloom 5.0") : t;
}
}  // namespace

DocumentWindow::DocumentWindow(DocumentHost* host, QWidget* parent) : QWidget(parent), host_(host) {
  setObjectName("Form2");
  resize(583, 371);
  editor_ = new MarkloomEditor(this);
  document_ = new Document(*editor_, this);
  lexer_ = new SchemeLexer(defaultScheme(), this);
  buildOptionsBar();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(optionsBar_);
  layout->addWidget(editor_);
  applyEditorDefaults();
  editor_->loadBytes(newPageText());
  document_->setModified(false);
  connect(editor_, &MarkloomEditor::hintRequested, this, &DocumentWindow::hintRequested);
  connect(editor_, &MarkloomEditor::hintRequested, this, [this] { guarded([&] { offerHintList(); }); });
  connect(editor_, &MarkloomEditor::templateExpansionRequested, this, [this] { guarded([&] { expandTemplate(); }); });
  connect(editor_, &MarkloomEditor::templatePicked, this, [this](int i) { guarded([&] { templatePicked(i); }); });
  connect(document_, &Document::aboutToLoad, this, [this](std::size_t size) {
    // Wrapping a very large text would keep the editor busy for long.
    if (size > MarkloomEditor::kWrapLimitBytes) {
      if (QAction* wrap = optionsBar_->findChild<QAction*>(QString::fromUtf8(ids::kWordWrapToggle)))
        wrap->setChecked(false);
      setWordWrap(false);
    }
  });
  connect(document_, &Document::loaded, this, &DocumentWindow::setCaption);
  connect(document_, &Document::modifiedChanged, this, &DocumentWindow::showCaption);
  connect(editor_, &QsciScintilla::modificationChanged, this, &DocumentWindow::showCaption);
  connect(editor_, &MarkloomEditor::lineCountChanged, this, &DocumentWindow::fitLineNumbers);

  int number = 1;
  if (host_) number = host_->nextDocumentNumber();
  setCaption(QStringLiteral("Document%1").arg(number));
  if (host_) host_->addToWindowList(windowTitle(), this);
}

DocumentWindow::~DocumentWindow() {
  if (host_) host_->removeFromWindowList(this);
}

void DocumentWindow::setCaption(const QString& caption) {
  caption_ = caption;
  showCaption();
}

void DocumentWindow::showCaption() {
  const QString shown = document_->isModified() ? caption_ + " *" : caption_;
  if (windowTitle() == shown) return;
  setWindowTitle(shown);
  if (parentWidget()) parentWidget()->setWindowTitle(shown);  // the MDI frame around us
}

void DocumentWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  document_->setFileName(Document::kUntitled);
  guarded([&] { applyStoredSettings(); });
}

void DocumentWindow::loadFile(const QString& path) { document_->load(path); }

void DocumentWindow::startNewFile(const QString& path) {
  document_->editorOps().setLines({});
  document_->setFileName(path);
  document_->setModified(false);
  setCaption(path);
}

bool DocumentWindow::save() {
  if (document_->isUntitled()) return saveAs();
  document_->save();
  return true;
}

bool DocumentWindow::saveAs() {
  const QString chosen = chooseSaveFile(this, document_->fileName());
  if (chosen.isEmpty()) return false;
  document_->setFileName(chosen);
  setCaption(QFileInfo(chosen).fileName());
  return save();
}

bool DocumentWindow::closeQuery() {
  if (!document_->isModified()) return true;
  const auto answer =
      Prompter::instance().message(title(), QStringLiteral("Save changes to %1?").arg(document_->fileName()),
                                   Prompter::Icon::Question, Prompter::Buttons::YesNoCancel);
  if (answer == Prompter::Answer::Cancel) return false;
  if (answer == Prompter::Answer::No) return true;
  // Yes: close only once the text is safely written.
  bool saved = false;
  guarded([&] { saved = save(); });
  return saved;
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
  if (closeQuery())
    event->accept();
  else
    event->ignore();
}

}  // namespace markloom
