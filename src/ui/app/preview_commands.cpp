#include "ui/app/preview_commands.h"

#include <QAction>
#include <QFile>

#include "core/common/command_ids.h"
#include "core/text/file_writer.h"
#include "core/text/line_list.h"
#include "platform/files/program_folder.h"
#include "platform/process/program_launcher.h"
#include "platform/settings/ini_settings_store.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"

namespace markloom {

namespace {
QString setting(const MainWindow& window, const std::string& name) {
  return QString::fromLocal8Bit(window.settings().value(name).c_str());
}

// The visual editor the user chose in Preferences ("WYSIWYG Editor" of the
// Programs key); the stored value is not part of the settings snapshot.
QString chosenVisualEditor() {
  IniSettingsStore store;
  if (!store.openKey("Programs", false)) return {};
  const SettingsStore::Read read = store.read("Programs", "WYSIWYG Editor");
  return read.status == SettingsStore::ReadStatus::Text ? QString::fromLocal8Bit(read.text.c_str()) : QString();
}
}  // namespace

PreviewCommands::PreviewCommands(MainWindow* window) : QObject(window), window_(window) {
  setObjectName("PreviewCommands");
  for (std::size_t i = 0; i < ids::kPreviewInBrowser.size(); ++i)
    if (QAction* entry = window->action(ids::kPreviewInBrowser[i]))
      connect(entry, &QAction::triggered, this, [this, n = static_cast<int>(i) + 1] { previewInBrowser(n); });
  const std::pair<std::string_view, void (PreviewCommands::*)()> commands[] = {
      {ids::kSheetcraft, &PreviewCommands::startSheetcraft},
      {ids::kWysiwygEditor, &PreviewCommands::startVisualEditor},
      {ids::kContents, &PreviewCommands::openHelp},
  };
  for (const auto& [id, slot] : commands)
    if (QAction* command = window->action(id)) connect(command, &QAction::triggered, this, slot);
}

void PreviewCommands::previewInBrowser(int n) {
  guarded([&] {
    DocumentWindow* active = window_->activeDocument();
    if (!active) return;
    const std::string browser = "Browser " + std::to_string(n);
    Document& document = active->document();
    QString page = document.fileName();
    if (document.isUntitled()) {
      page = workPath(kPreviewFile);
      // Raises "Cannot create file ..." before any browser is started.
      writeWorkFile(QFile::encodeName(page).toStdString(), formatLineList(document.editorOps().lines()));
    }
    if (!startProgram(setting(*window_, browser), {page}, programFolder()))
      Prompter::instance().showError("There has been a mistake made in the file path to " +
                                     setting(*window_, browser + " Title") + " in the Registry.");
  });
}

void PreviewCommands::startSheetcraft() {
  if (!startProgram(programPath(kSheetcraftProgram), {}, programFolder()))
    Prompter::instance().showError(
        "Sheetcraft could not be found with this installation, you may wish to reinstall the program.");
}

void PreviewCommands::startVisualEditor() {
  QString program = chosenVisualEditor();
  if (program.isEmpty()) program = programPath(kVisualEditorProgram);
  if (!startProgram(program, {}, programFolder()))
    Prompter::instance().showError(
        "WYSIWYG Editor could not be found with this installation, you may wish to reinstall the program.");
}

void PreviewCommands::openHelp() {
  if (!openWithDefaultHandler(programPath(kHelpStartPage)))
    Prompter::instance().showError("The help file could not be started.  Please reinstall the program.");
}

}  // namespace markloom
