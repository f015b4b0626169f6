#include "ui/webtools/link_validator_command.h"

#include <QAction>

#include "core/common/command_ids.h"
#include "platform/net/proxy_settings.h"
#include "ui/app/main_window.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/webtools/link_validator_dialog.h"

namespace markloom {

LinkValidatorCommand::LinkValidatorCommand(MainWindow* window) : QObject(window), window_(window) {
  setObjectName("LinkValidatorCommand");
  if (QAction* command = window->action(ids::kLinkValidator))
    connect(command, &QAction::triggered, this, &LinkValidatorCommand::validateLinks);
}

void LinkValidatorCommand::validateLinks() {
  DocumentWindow* active = window_->activeDocument();
  if (!active) return;
  if (active->document().isUntitled()) {
    Prompter::instance().showError("Please save your file first.");
    return;
  }
  LinkValidatorDialog dialog(active, proxyFromSettings(window_->settings()), window_);
  dialog.exec();
}

}  // namespace markloom
