#include "ui/compress/compress_commands.h"

#include <QAction>
#include <QFile>
#include <QWidget>

#include "core/common/command_ids.h"
#include "core/common/error.h"
#include "core/compress/html_compressor.h"
#include "core/text/file_io.h"
#include "core/text/file_writer.h"
#include "core/text/line_list.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/compress/compress_options_dialog.h"
#include "ui/document/document_window.h"
#include "ui/workbench/workbench.h"

namespace markloom {

CompressCommands::CompressCommands(Workbench& workbench) : QObject(workbench.mainWidget()), workbench_(workbench) {
  setObjectName("CompressCommands");
  if (QAction* command = workbench.action(ids::kCompressDocument)) {
    command->setStatusTip("Removes line breaks, blanks and quotes from the document and shortens tags.");
    connect(command, &QAction::triggered, this, &CompressCommands::compressDocument);
  }
}

void CompressCommands::setOptionsChooser(OptionsChooser chooser) { chooser_ = std::move(chooser); }

std::optional<CompressOptions> CompressCommands::askOptions() {
  if (chooser_) return chooser_();
  CompressOptionsDialog dialog(workbench_.mainWidget());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.fields();
}

void CompressCommands::compressDocument() {
  guarded([&] {
    const std::optional<CompressOptions> options = askOptions();
    if (!options) return;
    DocumentWindow* document = workbench_.activeDocument();
    if (!document) return;

    // The editor's text as it stands, unsaved edits included, titled or not;
    // the document's own file is changed only when the user saves.
    EditorOps& ops = document->document().editorOps();
    const std::string text = ops.text();
    const std::string work = QFile::encodeName(workbench_.workFilePath("Compr.tmp")).toStdString();
    writeWorkFile(work, text);

    HtmlCompressor compressor;
    compressor.setOptions(*options);
    if (!compressor.loadSource(work)) return;
    compressor.compress();
    if (compressor.compressed()) {
      writeWorkFile(work, compressor.buffer());
      if (compressor.buffer() != text) {
        ops.beginUndoAction();
        ops.setLines(parseLineList(compressor.buffer()));
        ops.endUndoAction();
        document->document().setModified(true);
      }
    }
    Prompter::instance().message(QStringLiteral("Information"),
                                 QStringLiteral("Original Size: %1 bytes.\n New Size: %2 bytes.")
                                     .arg(compressor.sizeBefore())
                                     .arg(compressor.sizeAfter()),
                                 Prompter::Icon::Information, Prompter::Buttons::Ok);
  });
}

}  // namespace markloom
