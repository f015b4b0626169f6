#include "ui/editing/document_commands.h"

#include <Qsci/qsciprinter.h>

#include <QAction>
#include <QFile>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QWidget>
#include <algorithm>
#include <tuple>

#include "core/common/command_ids.h"
#include "core/common/error.h"
#include "core/text/file_io.h"
#include "core/text/line_list.h"
#include "core/settings/settings_table.h"
#include "core/text/whole_number.h"
#include "platform/editor/markloom_editor.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document.h"
#include "ui/document/document_printing.h"
#include "ui/document/document_window.h"
#include "ui/document/file_chooser.h"
#include "ui/document/find_dialog.h"
#include "ui/document/new_page_dialog.h"
#include "ui/spell/spell_check.h"
#include "ui/workbench/workbench.h"

namespace markloom {

DocumentCommands::DocumentCommands(Workbench& workbench) : QObject(workbench.mainWidget()), workbench_(workbench) {
  setObjectName("DocumentCommands");
  const std::pair<std::string_view, void (DocumentCommands::*)()> commands[] = {
      {ids::kNewDocument, &DocumentCommands::newDocument},
      {ids::kNewFromTemplate, &DocumentCommands::newFromTemplate},
      {ids::kOpenLocalFile, &DocumentCommands::openLocalFile},
      {ids::kSave, &DocumentCommands::saveDocument},
      {ids::kSaveAs, &DocumentCommands::saveDocumentAs},
      {ids::kClose, &DocumentCommands::closeDocument},
      {ids::kCloseAll, &DocumentCommands::closeAllDocuments},
      {ids::kPrint, &DocumentCommands::print},
      {ids::kPageSetup, &DocumentCommands::setUpPage},
      {ids::kUndo, &DocumentCommands::undo},
      {ids::kRedo, &DocumentCommands::redo},
      {ids::kCut, &DocumentCommands::cut},
      {ids::kCopy, &DocumentCommands::copy},
      {ids::kPaste, &DocumentCommands::paste},
      {ids::kSelectAll, &DocumentCommands::selectAll},
      {ids::kFind, &DocumentCommands::find},
      {ids::kReplace, &DocumentCommands::replace},
      {ids::kGoToLine, &DocumentCommands::goToLine},
      {ids::kGoToTop, &DocumentCommands::goToTop},
      {ids::kGoToBottom, &DocumentCommands::goToBottom},
      {ids::kCapitalizeLine, &DocumentCommands::capitalizeLine},
      {ids::kSelectionToUppercase, &DocumentCommands::selectionToUppercase},
      {ids::kSelectionToLowercase, &DocumentCommands::selectionToLowercase},
      {ids::kLineToUppercase, &DocumentCommands::lineToUppercase},
      {ids::kLineToLowercase, &DocumentCommands::lineToLowercase},
      {ids::kSpellCheck, &DocumentCommands::spellCheck},
  };
  for (const auto& [id, slot] : commands) connectCommand(id, slot);

  // F3 and Shift+F3 have no menu entry; they work wherever the main window has the focus.
  const std::tuple<const char*, QKeySequence, void (DocumentCommands::*)()> again[] = {
      {"FindNextAgain", QKeySequence(Qt::Key_F3), &DocumentCommands::findNextAgain},
      {"FindPreviousAgain", QKeySequence(Qt::SHIFT | Qt::Key_F3), &DocumentCommands::findPreviousAgain},
  };
  for (const auto& [name, keys, slot] : again) {
    auto* shortcut = new QAction(workbench.mainWidget());
    shortcut->setObjectName(name);
    shortcut->setShortcut(keys);
    shortcut->setShortcutContext(Qt::ApplicationShortcut);
    workbench.mainWidget()->addAction(shortcut);
    connect(shortcut, &QAction::triggered, this, slot);
  }
  backupTicker_.setInterval(60 * 1000);
  connect(&backupTicker_, &QTimer::timeout, this, &DocumentCommands::backupTick);
  backupTicker_.start();
}

DocumentCommands::~DocumentCommands() = default;

FindDialog* DocumentCommands::findDialog() const { return findDialog_; }

void DocumentCommands::connectCommand(std::string_view id, void (DocumentCommands::*slot)()) {
  if (QAction* a = workbench_.action(id))
    connect(a, &QAction::triggered, this, [this, slot] { guarded([&] { (this->*slot)(); }); });
}

void DocumentCommands::newDocument() { workbench_.createDocument(); }

void DocumentCommands::newFromTemplate() {
  NewPageDialog dialog(workbench_.mainWidget());
  if (dialog.exec() != QDialog::Accepted) return;
  DocumentWindow* d = workbench_.createDocument();
  if (!d) return;
  const Document& doc = d->document();
  const NewPageFields fields{dialog.pageType(), doc.encode(dialog.pageTitle()), doc.encode(dialog.keywords()),
                             doc.encode(dialog.description())};
  d->editor()->loadBytes(formatLineList(newPageLines(fields)));
  d->document().setModified(false);
}

void DocumentCommands::openLocalFile() {
  const QString path = chooseOpenFile(workbench_.mainWidget(), lastOpened_);
  if (path.isEmpty()) return;
  lastOpened_ = path;
  workbench_.openDocument(path);
}

void DocumentCommands::saveDocument() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->save();
}

void DocumentCommands::saveDocumentAs() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->saveAs();
}

namespace {
// Closes the document's frame in the document area (the frame asks the
// document's close query).
void closeWindow(DocumentWindow* d) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(d->parentWidget()))
    sub->close();
  else
    d->close();
}
}  // namespace

void DocumentCommands::closeDocument() {
  if (DocumentWindow* d = workbench_.activeDocument()) closeWindow(d);
}

void DocumentCommands::closeAllDocuments() {
  // Every window present now is asked in turn; a Cancel keeps only that one.
  for (DocumentWindow* d : workbench_.documents()) closeWindow(d);
}

void DocumentCommands::print() {
  DocumentWindow* d = workbench_.activeDocument();
  if (!d) return;
  QsciPrinter printer(QPrinter::HighResolution);
  if (printer_) printer.setPageLayout(printer_->pageLayout());
  QPrintDialog dialog(&printer, workbench_.mainWidget());
  dialog.setOptions(printDialogOptions(d->editor()->hasSelectedText()));
  if (dialog.exec() != QDialog::Accepted) return;
  printDocument(*d->editor(), printer, dialog.printRange() == QAbstractPrintDialog::Selection);
}

void DocumentCommands::setUpPage() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPageSetupDialog dialog(printer_.get(), workbench_.mainWidget());
  dialog.exec();
}

void DocumentCommands::undo() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->document().editorOps().undo();
}
void DocumentCommands::redo() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->document().editorOps().redo();
}
void DocumentCommands::cut() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->editor()->cut();
}
void DocumentCommands::copy() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->editor()->copy();
}
void DocumentCommands::paste() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->editor()->paste();
}
void DocumentCommands::selectAll() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->editor()->selectAll();
}

void DocumentCommands::showFindDialog(bool replace) {
  DocumentWindow* d = workbench_.activeDocument();
  if (!d) return;
  if (findDialog_) findDialog_->close();
  findDialog_ = new FindDialog(d, replace, workbench_.mainWidget());
  findDialog_->setAttribute(Qt::WA_DeleteOnClose);
  connect(findDialog_, &FindDialog::searched, this, [this](const QString& text, MarkloomEditor::SearchFlags flags) {
    lastSearch_ = LastSearch{text, flags};
  });
  if (d->findAtCursor()) {
    MarkloomEditor& editor = *d->editor();
    const QString word =
        d->document().decode(editor.hasSelectedText() ? editor.selectedBytes() : editor.wordBytesAtCaret());
    if (!word.contains('\n') && !word.contains('\r')) findDialog_->setFindText(word);
  }
  findDialog_->show();
}

void DocumentCommands::find() { showFindDialog(false); }

void DocumentCommands::findNextAgain() { findAgain(true); }
void DocumentCommands::findPreviousAgain() { findAgain(false); }

void DocumentCommands::findAgain(bool forward) {
  DocumentWindow* d = workbench_.activeDocument();
  if (!d) return;
  if (!lastSearch_) return showFindDialog(false);
  MarkloomEditor& editor = *d->editor();
  const std::string pattern = d->document().encode(lastSearch_->text);
  const long from =
      !forward && editor.hasSelectedText() ? editor.selectionStartPosition() : editor.selectionEndPosition();
  if (editor.findBytes(pattern, lastSearch_->flags, forward, from)) {
    workbench_.setStatusText(QStringLiteral("Ready"));
    return;
  }
  if (editor.findBytes(pattern, lastSearch_->flags, forward, forward ? 0 : editor.length())) {
    workbench_.setStatusText(QStringLiteral("Search wrapped"));
    return;
  }
  workbench_.setStatusText(QStringLiteral("Search string '%1' not found").arg(lastSearch_->text));
}
void DocumentCommands::replace() { showFindDialog(true); }

void DocumentCommands::goToLine() {
  DocumentWindow* d = workbench_.activeDocument();
  if (!d) return;
  const int current = d->document().editorOps().caretLineIndex() + 1;
  const auto answer = Prompter::instance().inputText(
      QStringLiteral("Go to line Number"), QStringLiteral("&Enter new line number:"), QString::number(current));
  if (!answer) return;
  const int line = wholeNumber(answer->toStdString(), TrailingBlanks::Allowed);
  const int last = static_cast<int>(d->editor()->lines()) - 1;
  d->document().editorOps().setCaret({std::clamp(line - 1, 0, last), 0});
}

void DocumentCommands::goToTop() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->document().editorOps().goToTop();
}
void DocumentCommands::goToBottom() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->document().editorOps().goToBottom();
}
void DocumentCommands::capitalizeLine() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->document().editorOps().capitalizeLine();
}
void DocumentCommands::selectionToUppercase() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->document().editorOps().selectionToUpper();
}
void DocumentCommands::selectionToLowercase() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->document().editorOps().selectionToLower();
}
void DocumentCommands::lineToUppercase() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->document().editorOps().lineToUpper();
}
void DocumentCommands::lineToLowercase() {
  if (DocumentWindow* d = workbench_.activeDocument()) d->document().editorOps().lineToLower();
}

void DocumentCommands::spellCheck() {
  if (DocumentWindow* d = workbench_.activeDocument()) spellCheckDocument(*d, workbench_.mainWidget());
}

void DocumentCommands::backupTick() {
  // An empty or unreadable interval means no backups.
  const int minutes = workbench_.settings().number(kTimedBackup).value_or(0);
  if (minutes <= 0) {
    minutesSinceBackup_ = 0;
    return;
  }
  if (++minutesSinceBackup_ < minutes) return;
  minutesSinceBackup_ = 0;
  backupNow();
}

void DocumentCommands::backupNow() {
  for (DocumentWindow* d : workbench_.documents()) {
    if (d->document().isUntitled() || !d->document().isModified()) continue;
    const QString bak = d->document().fileName() + QStringLiteral(".bak");
    try {
      writeFileAtomically(QFile::encodeName(bak).toStdString(), d->editor()->bytes());
    } catch (const Error&) {
      // A backup that cannot be written must not interrupt typing; the next tick tries again.
    }
  }
}

}  // namespace markloom
