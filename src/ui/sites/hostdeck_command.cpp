#include "ui/sites/hostdeck_command.h"

#include <QAction>

#include "core/common/command_ids.h"
#include "ui/app/main_window.h"
#include "ui/sites/hostdeck_window.h"

namespace markloom {

HostdeckCommand::HostdeckCommand(MainWindow* window) : QObject(window), window_(window) {
  setObjectName("HostdeckCommand");
  if (QAction* command = window->action(ids::kHostdeck))
    connect(command, &QAction::triggered, this, &HostdeckCommand::openHostdeck);
}

void HostdeckCommand::openHostdeck() {
  HostdeckWindow hostdeck(window_);
  hostdeck.exec();
}

}  // namespace markloom
