// Each subsystem's commands live in a command group that connects its handlers
// to the main window's commands by object name; a group sees the main window
// only as its workbench. One line per group here.
#include <QAction>

#include "core/common/command_ids.h"
#include "ui/analysis/analysis_commands.h"
#include "ui/app/main_window.h"
#include "ui/compress/compress_commands.h"
#include "ui/editing/bookmark_commands.h"
#include "ui/editing/document_commands.h"
#include "ui/findreplace/find_replace_commands.h"
#include "ui/highlighting/highlighting_options_window.h"
#include "ui/markup/markup_commands.h"
#include "ui/markup/tag_dialog_commands.h"
#include "ui/preferences/preferences_commands.h"
#include "ui/preview/preview_commands.h"
#include "ui/sites/hostdeck_command.h"
#include "ui/tidy/tidy_commands.h"
#include "ui/webtools/download_timer_command.h"
#include "ui/webtools/link_validator_command.h"
#include "ui/webtools/open_from_web_window.h"

namespace markloom {

void MainWindow::installCommandGroups() {
  Workbench& workbench = *this;
  new CompressCommands(workbench);
  new DocumentCommands(workbench);
  new BookmarkCommands(workbench);
  new AnalysisCommands(workbench);
  new MarkupCommands(workbench);
  new TagDialogCommands(workbench);
  new FindReplaceCommands(workbench);
  new TidyCommands(workbench);
  new PreviewCommands(workbench);
  new PreferencesCommands(workbench, action(ids::kPreferences));
  new DownloadTimerCommand(workbench);
  new LinkValidatorCommand(workbench);
  new HostdeckCommand(workbench);
  new OpenFromWebWindow(workbench);  // made once, shown by its command
  // A further scheme window for each use; it closes (and goes) on its own.
  if (QAction* command = action(ids::kHighlightingOptions))
    connect(command, &QAction::triggered, this, [this] { HighlightingOptionsWindow::open(this); });
}

}  // namespace markloom
