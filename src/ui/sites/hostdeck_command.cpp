#include "ui/sites/hostdeck_command.h"

#include <QAction>
#include <QWidget>

#include "core/common/command_ids.h"
#include "core/settings/settings_table.h"
#include "ui/sites/hostdeck_window.h"
#include "ui/workbench/workbench.h"

namespace markloom {

HostdeckCommand::HostdeckCommand(Workbench& workbench) : QObject(workbench.mainWidget()), workbench_(workbench) {
  setObjectName("HostdeckCommand");
  if (QAction* command = workbench.action(ids::kHostdeck))
    connect(command, &QAction::triggered, this, &HostdeckCommand::openHostdeck);
}

void HostdeckCommand::openHostdeck() {
  HostdeckWindow hostdeck(workbench_.mainWidget());
  hostdeck.setTextExtensions(QString::fromStdString(workbench_.settings().get(kHostdeckTextExtensions)));
  hostdeck.exec();
}

}  // namespace markloom
