#include "ui/findreplace/find_replace_commands.h"

#include <QAction>

#include "core/common/command_ids.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/findreplace/multi_file_replace_dialog.h"

namespace markloom {

FindReplaceCommands::FindReplaceCommands(MainWindow* window) : QObject(window), window_(window) {
  setObjectName("FindReplaceCommands");
  if (QAction* command = window->action(ids::kMultiFileReplace)) {
    command->setStatusTip("Searches for a piece of text in many files and replaces it.");
    connect(command, &QAction::triggered, this, &FindReplaceCommands::openMultiFileReplace);
  }
}

void FindReplaceCommands::openMultiFileReplace() {
  guarded([&] {
    MultiFileReplaceDialog dialog(window_);
    dialog.exec();
  });
}

}  // namespace markloom
