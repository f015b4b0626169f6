#include "ui/findreplace/find_replace_commands.h"

#include <QAction>

#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/findreplace/multi_file_replace_dialog.h"

namespace markloom {

FindReplaceCommands::FindReplaceCommands(MainWindow* form) : QObject(form), form_(form) {
  setObjectName("FindReplaceCommands");
  if (QAction* command = form->action("ExtendedFindandReplace1")) {
    command->setStatusTip("Searches for a piece of text in many files and replaces it.");
    connect(command, &QAction::triggered, this, &FindReplaceCommands::ExtendedFindandReplace1Click);
  }
}

void FindReplaceCommands::ExtendedFindandReplace1Click() {
  guarded([&] {
    MultiFileReplaceDialog dialog(form_);
    dialog.exec();
  });
}

}  // namespace markloom
