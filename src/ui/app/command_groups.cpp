// Each subsystem's commands live in a command group that connects its handlers
// to the main window's commands by object name. One line per group here.
#include <QAction>

#include "core/common/command_ids.h"
#include "ui/analysis/analysis_commands.h"
#include "ui/app/bookmark_commands.h"
#include "ui/app/document_commands.h"
#include "ui/app/main_window.h"
#include "ui/app/preview_commands.h"
#include "ui/compress/compress_commands.h"
#include "ui/findreplace/find_replace_commands.h"
#include "ui/highlighting/highlighting_options_window.h"
#include "ui/markup/markup_commands.h"
#include "ui/markup/tag_dialog_commands.h"
#include "ui/preferences/preferences_commands.h"
#include "ui/sites/hostdeck_command.h"
#include "ui/tidy/tidy_commands.h"
#include "ui/webtools/download_timer_command.h"
#include "ui/webtools/link_validator_command.h"
#include "ui/webtools/open_from_web_window.h"

namespace markloom {

void MainWindow::installCommandGroups() {
  new CompressCommands(this);
  new DocumentCommands(this);
  new BookmarkCommands(this);
  new AnalysisCommands(this);
  new MarkupCommands(this);
  new TagDialogCommands(this);
  new FindReplaceCommands(this);
  new TidyCommands(this);
  new PreviewCommands(this);
  new PreferencesCommands({this, [this]() -> const SettingsSnapshot& { return settings(); }, [this] { loadSettings(); },
                           [this] { return documents(); }},
                          action(ids::kPreferences));
  new DownloadTimerCommand(this);
  new LinkValidatorCommand(this);
  new HostdeckCommand(this);
  new OpenFromWebWindow(this);  // made once, shown by its command
  // A further scheme window for each use; it closes (and goes) on its own.
  if (QAction* command = action(ids::kHighlightingOptions))
    connect(command, &QAction::triggered, this, [this] { HighlightingOptionsWindow::open(this); });
}

}  // namespace markloom
