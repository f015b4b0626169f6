#include "ui/preferences/preferences_commands.h"

#include <QAction>
#include <QWidget>

#include "platform/settings/ini_settings_store.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/preferences/preferences_dialog.h"
#include "ui/workbench/workbench.h"

namespace markloom {

PreferencesCommands::PreferencesCommands(Workbench& workbench, QAction* command)
    : QObject(workbench.mainWidget()), workbench_(workbench) {
  setObjectName("PreferencesCommands");
  if (command) connect(command, &QAction::triggered, this, &PreferencesCommands::editPreferences);
}

void PreferencesCommands::editPreferences() {
  guarded([&] {
    IniSettingsStore store;
    PreferencesDialog dialog(
        {workbench_.programFilePath("Extensions\\tagtmp.qdf"), workbench_.programFilePath("Extensions\\tags.txt"),
         workbench_.workFilePath("Extensions\\tagtmp.qdf"), workbench_.workFilePath("Extensions\\tags.txt")},
        workbench_.mainWidget());
    dialog.load(workbench_.settings(), store);
    guarded([&] { workbench_.loadSettings(); });
    if (dialog.exec() == QDialog::Accepted) {
      // A list file that could not be written stops here: the error is shown
      // and nothing is reloaded or applied.
      if (!dialog.save(store)) return;
      store.sync();
    }
    workbench_.loadSettings();
    updateOpenDocuments();
  });
}

void PreferencesCommands::updateOpenDocuments() {
  const QList<DocumentWindow*> documents = workbench_.documents();
  if (documents.isEmpty()) return;
  const Prompter::Answer answer = Prompter::instance().message(
      workbench_.mainWidget()->windowTitle(),
      "Update all open documents?\nIf you choose no, only newly created or opened documents will be updated.",
      Prompter::Icon::Question, Prompter::Buttons::YesNo);
  if (answer != Prompter::Answer::Yes) return;
  // The first document that cannot take the settings stops the update; its
  // error is shown by the command boundary.
  for (DocumentWindow* document : documents) document->applySettings(workbench_.settings());
}

}  // namespace markloom
