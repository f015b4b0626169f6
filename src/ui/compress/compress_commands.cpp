#include "ui/compress/compress_commands.h"

#include <QAction>
#include <QFile>

#include "core/common/error.h"
#include "core/compress/html_compressor.h"
#include "core/text/file_io.h"
#include "core/text/line_list.h"
#include "platform/files/program_folder.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/compress/compress_options_dialog.h"
#include "ui/document/document_window.h"

namespace markloom {

CompressCommands::CompressCommands(MainWindow* form) : QObject(form), form_(form) {
  setObjectName("CompressCommands");
  chooseOptions = [this]() -> std::optional<CompressOptions> {
    CompressOptionsDialog dialog(form_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    dialog.SetUpClean();
    return dialog.HTMLCompressor.options();
  };
  if (QAction* command = form->action("CleanupWord2000HTML1")) {
    command->setStatusTip("Removes line breaks, blanks and quotes from the document and shortens tags.");
    connect(command, &QAction::triggered, this, &CompressCommands::CleanupWord2000HTML1Click);
  }
}

void CompressCommands::CleanupWord2000HTML1Click() {
  guarded([&] {
    const std::optional<CompressOptions> options = chooseOptions();
    if (!options) return;
    DocumentWindow* document = form_->activeDocument();
    if (!document) return;

    // The editor's text as it stands, unsaved edits included, titled or not;
    // the document's own file is changed only when the user saves.
    EditorOps& ops = document->document().editorOps();
    const std::string text = ops.text();
    const std::string work = QFile::encodeName(workPath("Compr.tmp")).toStdString();
    writeFileAtomically(work, text);

    HtmlCompressor compressor;
    compressor.setOptions(*options);
    if (!compressor.LoadSource(work)) return;
    compressor.Compress();
    if (compressor.compressed()) {
      if (!compressor.SaveResult(work)) throw cannotCreateFile(work);
      if (compressor.buffer() != text) {
        ops.beginUndoAction();
        ops.setLines(parseLineList(compressor.buffer()));
        ops.endUndoAction();
        document->document().setModified(true);
      }
    }
    Prompter::instance().message(QStringLiteral("Information"),
                                 QStringLiteral("Original Size: %1 bytes.\n New Size: %2 bytes.")
                                     .arg(compressor.SizeBefore())
                                     .arg(compressor.SizeAfter()),
                                 Prompter::Icon::Information, Prompter::Buttons::Ok);
  });
}

}  // namespace markloom
