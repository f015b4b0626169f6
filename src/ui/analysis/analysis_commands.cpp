#include "ui/analysis/analysis_commands.h"

#include <QAction>
#include <QFile>

#include "core/text/file_io.h"
#include "ui/analysis/validation_window.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/document/document_window.h"

namespace markloom {

AnalysisCommands::AnalysisCommands(MainWindow* form) : QObject(form), form_(form) {
  setObjectName("AnalysisCommands");
  if (QAction* command = form->action("ValidateDocument1")) {
    command->setStatusTip("Checks every tag against the element and attribute rules.");
    connect(command, &QAction::triggered, this, &AnalysisCommands::ValidateDocument1Click);
  }
}

ValidationWindow* AnalysisCommands::analysisWindow() {
  if (auto* window = form_->findChild<ValidationWindow*>()) return window;
  return new ValidationWindow(form_);
}

void AnalysisCommands::ValidateDocument1Click() {
  guarded([&] {
    DocumentWindow* document = form_->activeDocument();
    if (!document) return;
    ValidationWindow* window = analysisWindow();
    if (window->running()) return;  // one run at a time; its rows arrive shortly
    // The editor's text as it stands, unsaved edits included, lines ending CR LF.
    writeFileAtomically(QFile::encodeName(ValidationWindow::workFile()).toStdString(), document->document().editorOps().text());
    window->AnalyzeDocument(document);
  });
}

}  // namespace markloom
