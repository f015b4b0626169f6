#include "ui/webtools/link_validator_command.h"

#include <QAction>
#include <QWidget>

#include "core/common/command_ids.h"
#include "platform/net/proxy_settings.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/webtools/link_validator_dialog.h"
#include "ui/workbench/workbench.h"

namespace markloom {

LinkValidatorCommand::LinkValidatorCommand(Workbench& workbench)
    : QObject(workbench.mainWidget()), workbench_(workbench) {
  setObjectName("LinkValidatorCommand");
  if (QAction* command = workbench.action(ids::kLinkValidator))
    connect(command, &QAction::triggered, this, &LinkValidatorCommand::validateLinks);
}

void LinkValidatorCommand::validateLinks() {
  DocumentWindow* active = workbench_.activeDocument();
  if (!active) return;
  if (active->document().isUntitled()) {
    Prompter::instance().showError("Please save your file first.");
    return;
  }
  LinkValidatorDialog dialog(active, proxyFromSettings(workbench_.settings()), workbench_.mainWidget());
  dialog.exec();
}

}  // namespace markloom
