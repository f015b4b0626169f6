#include "ui/analysis/analysis_commands.h"

#include <QAction>
#include <QFile>

#include "core/common/command_ids.h"
#include "core/text/file_io.h"
#include "core/text/file_writer.h"
#include "ui/analysis/validation_window.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/document/document_window.h"

namespace markloom {

AnalysisCommands::AnalysisCommands(MainWindow* window) : QObject(window), window_(window) {
  setObjectName("AnalysisCommands");
  if (QAction* command = window->action(ids::kValidateDocument)) {
    command->setStatusTip("Checks every tag against the element and attribute rules.");
    connect(command, &QAction::triggered, this, &AnalysisCommands::validateDocument);
  }
}

ValidationWindow* AnalysisCommands::validationWindow() {
  if (auto* window = window_->findChild<ValidationWindow*>()) return window;
  return new ValidationWindow(window_);
}

void AnalysisCommands::validateDocument() {
  guarded([&] {
    DocumentWindow* document = window_->activeDocument();
    if (!document) return;
    ValidationWindow* validation = validationWindow();
    if (validation->running()) return;  // one run at a time; its rows arrive shortly
    // The editor's text as it stands, unsaved edits included, lines ending CR LF.
    writeWorkFile(QFile::encodeName(ValidationWindow::workFile()).toStdString(),
                  document->document().editorOps().text());
    validation->analyzeDocument(document);
  });
}

}  // namespace markloom
