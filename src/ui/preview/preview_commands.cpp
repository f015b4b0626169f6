#include "ui/preview/preview_commands.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include "core/common/command_ids.h"
#include "core/text/file_writer.h"
#include "core/text/line_list.h"
#include "platform/files/program_folder.h"
#include "platform/process/program_launcher.h"
#include "core/settings/settings_schema.h"
#include "core/settings/settings_table.h"
#include "platform/settings/ini_settings_store.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/workbench/workbench.h"

namespace markloom {

namespace {
QString setting(const Workbench& workbench, const TextSetting& which) {
  return QString::fromLocal8Bit(workbench.settings().get(which).c_str());
}

// The visual editor the user chose in Preferences ("WYSIWYG Editor" of the
// Programs key); the stored value is not part of the settings snapshot.
QString chosenVisualEditor() {
  IniSettingsStore store;
  return QString::fromLocal8Bit(readStored(store, kVisualEditor.row).c_str());
}
}  // namespace

PreviewCommands::PreviewCommands(Workbench& workbench) : QObject(workbench.mainWidget()), workbench_(workbench) {
  setObjectName("PreviewCommands");
  for (std::size_t i = 0; i < ids::kPreviewInBrowser.size(); ++i)
    if (QAction* entry = workbench.action(ids::kPreviewInBrowser[i]))
      connect(entry, &QAction::triggered, this, [this, n = static_cast<int>(i) + 1] { previewInBrowser(n); });
  const std::pair<std::string_view, void (PreviewCommands::*)()> commands[] = {
      {ids::kSheetcraft, &PreviewCommands::startSheetcraft},
      {ids::kWysiwygEditor, &PreviewCommands::startVisualEditor},
      {ids::kContents, &PreviewCommands::openHelp},
  };
  for (const auto& [id, slot] : commands)
    if (QAction* command = workbench.action(id)) connect(command, &QAction::triggered, this, slot);
}

void PreviewCommands::previewInBrowser(int n) {
  guarded([&] {
    DocumentWindow* active = workbench_.activeDocument();
    if (!active) return;
    const std::size_t index = static_cast<std::size_t>(n - 1);
    Document& document = active->document();
    QString page = document.fileName();
    if (document.isUntitled()) {
      page = workbench_.workFilePath(kPreviewFile);
      // Raises "Cannot create file ..." before any browser is started.
      writeWorkFile(QFile::encodeName(page).toStdString(), formatLineList(document.editorOps().lines()));
    }
    if (!startProgram(setting(workbench_, kBrowser.at(index)), {page}, programFolder()))
      Prompter::instance().showError("There has been a mistake made in the file path to " +
                                     setting(workbench_, kBrowserTitle.at(index)) + " in the Registry.");
  });
}

void PreviewCommands::startSheetcraft() {
  if (!startProgram(workbench_.programFilePath(kSheetcraftProgram), {}, programFolder()))
    Prompter::instance().showError(
        "Sheetcraft could not be found with this installation, you may wish to reinstall the program.");
}

void PreviewCommands::startVisualEditor() {
  QString program = chosenVisualEditor();
  if (program.isEmpty()) program = workbench_.programFilePath(kVisualEditorProgram);
  if (!startProgram(program, {}, programFolder()))
    Prompter::instance().showError(
        "WYSIWYG Editor could not be found with this installation, you may wish to reinstall the program.");
}

void PreviewCommands::openHelp() {
  const QString page = workbench_.programFilePath(kHelpStartPage);
  if (openWithDefaultHandler(page)) return;
  // Only a missing help file is the installation's fault; with the file in
  // place, what is missing is the desktop's opener.
  if (!QFileInfo(page).isFile())
    Prompter::instance().showError("The help file could not be started.  Please reinstall the program.");
  else
    Prompter::instance().showError("No program to open the help was found (xdg-open is not installed).\n"
                                   "Install xdg-utils, or open " + page + " in a web browser.");
}

}  // namespace markloom
