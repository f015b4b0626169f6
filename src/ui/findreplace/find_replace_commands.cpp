#include "ui/findreplace/find_replace_commands.h"

#include <QAction>
#include <QWidget>

#include "core/common/command_ids.h"
#include "ui/common/command_guard.h"
#include "ui/findreplace/multi_file_replace_dialog.h"
#include "ui/workbench/workbench.h"

namespace markloom {

FindReplaceCommands::FindReplaceCommands(Workbench& workbench)
    : QObject(workbench.mainWidget()), workbench_(workbench) {
  setObjectName("FindReplaceCommands");
  if (QAction* command = workbench.action(ids::kMultiFileReplace)) {
    command->setStatusTip("Searches for a piece of text in many files and replaces it.");
    connect(command, &QAction::triggered, this, &FindReplaceCommands::openMultiFileReplace);
  }
}

void FindReplaceCommands::openMultiFileReplace() {
  guarded([&] {
    MultiFileReplaceDialog dialog(workbench_.mainWidget());
    dialog.exec();
  });
}

}  // namespace markloom
