#include "ui/app/file_commands.h"

#include <Qsci/qsciprinter.h>

#include <QAction>
#include <algorithm>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrintDialog>

#include "core/common/error.h"
#include "core/text/file_io.h"
#include "platform/editor/markloom_editor.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document_printing.h"
#include "ui/document/document_window.h"
#include "ui/document/file_chooser.h"
#include "ui/document/find_dialog.h"
#include "ui/document/new_page_dialog.h"
#include "ui/spell/spell_check.h"

namespace markloom {

FileCommands::FileCommands(MainWindow* form) : QObject(form), form_(form) {
  connectAction("New1", &FileCommands::New1Click);
  connectAction("NewfromTemplate1", &FileCommands::NewfromTemplate1Click);
  connectAction("OpenfromLocal1", &FileCommands::OpenfromLocal1Click);
  connectAction("Save1", &FileCommands::Save1Click);
  connectAction("SaveAs1", &FileCommands::SaveAs1Click);
  connectAction("Close1", &FileCommands::Close1Click);
  connectAction("CloseAll1", &FileCommands::CloseAll1Click);
  connectAction("Print1", &FileCommands::Print1Click);
  connectAction("PageSetup1", &FileCommands::PageSetup1Click);
  connectAction("Undo1", &FileCommands::Undo1Click);
  connectAction("Redo1", &FileCommands::Redo1Click);
  connectAction("Cut1", &FileCommands::Cut1Click);
  connectAction("Copy1", &FileCommands::Copy1Click);
  connectAction("Paste1", &FileCommands::Paste1Click);
  connectAction("SelectAll1", &FileCommands::SelectAll1Click);
  connectAction("Find1", &FileCommands::Find1Click);
  connectAction("Replace1", &FileCommands::Replace1Click);
  connectAction("GotoLine1", &FileCommands::GotoLine1Click);
  connectAction("GotoTop1", &FileCommands::GotoTop1Click);
  connectAction("GotoBottom1", &FileCommands::GotoBottom1Click);
  connectAction("CapitalizeLine1", &FileCommands::CapitalizeLine1Click);
  connectAction("ConvertSelectiontoUppercase1", &FileCommands::ConvertSelectiontoUppercase1Click);
  connectAction("ConvertSelectiontoLowercase1", &FileCommands::ConvertSelectiontoLowercase1Click);
  connectAction("ConvertLinetoUppercase1", &FileCommands::ConvertLinetoUppercase1Click);
  connectAction("ConvertLinetoLowercase1", &FileCommands::ConvertLinetoLowercase1Click);
  connectAction("SpellCheck1", &FileCommands::SpellCheck1Click);
  backupTicker_.setInterval(60 * 1000);
  connect(&backupTicker_, &QTimer::timeout, this, &FileCommands::backupTick);
  backupTicker_.start();
}

FileCommands::~FileCommands() = default;

void FileCommands::connectAction(const char* name, void (FileCommands::*slot)()) {
  if (QAction* a = form_->action(QString::fromLatin1(name)))
    connect(a, &QAction::triggered, this, [this, slot] { guarded([&] { (this->*slot)(); }); });
}

void FileCommands::New1Click() { form_->createDocument(); }

void FileCommands::NewfromTemplate1Click() {
  NewPageDialog dialog(form_);
  dialog.exec();
}

void FileCommands::OpenfromLocal1Click() {
  const QString path = chooseOpenFile(form_, lastOpened_);
  if (path.isEmpty()) return;
  lastOpened_ = path;
  form_->openDocument(path);
}

void FileCommands::Save1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->save();
}

void FileCommands::SaveAs1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->saveAs();
}

void FileCommands::Close1Click() {
  if (DocumentWindow* d = form_->activeDocument()) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(d->parentWidget())) sub->close();
    else d->close();
  }
}

void FileCommands::CloseAll1Click() {
  // Every window present now is asked in turn; a Cancel keeps only that one.
  for (QMdiSubWindow* sub : form_->documentArea()->subWindowList(QMdiArea::CreationOrder)) sub->close();
}

void FileCommands::Print1Click() {
  DocumentWindow* d = form_->activeDocument();
  if (!d) return;
  QsciPrinter printer(QPrinter::HighResolution);
  if (printer_) printer.setPageLayout(printer_->pageLayout());
  QPrintDialog dialog(&printer, form_);
  dialog.setOptions(printDialogOptions(d->editor()->hasSelectedText()));
  if (dialog.exec() != QDialog::Accepted) return;
  printDocument(*d->editor(), printer, dialog.printRange() == QAbstractPrintDialog::Selection);
}

void FileCommands::PageSetup1Click() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPageSetupDialog dialog(printer_.get(), form_);
  dialog.exec();
}

void FileCommands::Undo1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->document().editorOps().Undo();
}
void FileCommands::Redo1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->document().editorOps().Redo();
}
void FileCommands::Cut1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->editor()->cut();
}
void FileCommands::Copy1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->editor()->copy();
}
void FileCommands::Paste1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->editor()->paste();
}
void FileCommands::SelectAll1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->editor()->selectAll();
}

void FileCommands::showFindDialog(bool replace) {
  DocumentWindow* d = form_->activeDocument();
  if (!d) return;
  if (findDialog_) findDialog_->close();
  findDialog_ = new FindDialog(d->editor(), replace, form_);
  findDialog_->setAttribute(Qt::WA_DeleteOnClose);
  if (d->findAtCursor()) {
    const QString word = d->editor()->hasSelectedText() ? d->editor()->selectedText()
                                                        : d->editor()->wordAtLineIndex(
                                                              d->document().editorOps().caret().line, d->document().editorOps().caret().column);
    if (!word.contains('\n')) findDialog_->setFindText(word);
  }
  findDialog_->show();
}

void FileCommands::Find1Click() { showFindDialog(false); }
void FileCommands::Replace1Click() { showFindDialog(true); }

void FileCommands::GotoLine1Click() {
  DocumentWindow* d = form_->activeDocument();
  if (!d) return;
  const int current = d->document().editorOps().CaretLineIndex() + 1;
  const auto answer = Prompter::instance().inputText(QStringLiteral("Go to line Number"),
                                                     QStringLiteral("&Enter new line number:"),
                                                     QString::number(current));
  if (!answer) return;
  bool ok = false;
  const int line = answer->trimmed().toInt(&ok);
  if (!ok) throw notAValidInteger(answer->toStdString());
  const int last = static_cast<int>(d->editor()->lines()) - 1;
  d->document().editorOps().setCaret({std::clamp(line - 1, 0, last), 0});
}

void FileCommands::GotoTop1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->document().editorOps().GoToTop();
}
void FileCommands::GotoBottom1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->document().editorOps().GoToBottom();
}
void FileCommands::CapitalizeLine1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->document().editorOps().CapitalizeLine();
}
void FileCommands::ConvertSelectiontoUppercase1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->document().editorOps().SelectionToUpper();
}
void FileCommands::ConvertSelectiontoLowercase1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->document().editorOps().SelectionToLower();
}
void FileCommands::ConvertLinetoUppercase1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->document().editorOps().LineToUpper();
}
void FileCommands::ConvertLinetoLowercase1Click() {
  if (DocumentWindow* d = form_->activeDocument()) d->document().editorOps().LineToLower();
}

void FileCommands::SpellCheck1Click() {
  if (DocumentWindow* d = form_->activeDocument()) spellCheckDocument(*d, form_);
}

void FileCommands::backupTick() {
  bool ok = false;
  const int minutes = QString::fromStdString(form_->settings().value("Timed Backup")).trimmed().toInt(&ok);
  if (!ok || minutes <= 0) {
    minutesSinceBackup_ = 0;
    return;
  }
  if (++minutesSinceBackup_ < minutes) return;
  minutesSinceBackup_ = 0;
  backupNow();
}

void FileCommands::backupNow() {
  for (DocumentWindow* d : form_->documents()) {
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
