#include "ui/app/command_action.h"

#include <QMetaMethod>

namespace markloom {

bool CommandAction::isCommandSignal(const QMetaMethod& signal) {
  return signal == QMetaMethod::fromSignal(&QAction::triggered) || signal == QMetaMethod::fromSignal(&QAction::toggled);
}

void CommandAction::connectNotify(const QMetaMethod& signal) {
  if (watching_ && isCommandSignal(signal)) ++handlers_;
  QAction::connectNotify(signal);
}

void CommandAction::disconnectNotify(const QMetaMethod& signal) {
  if (watching_ && handlers_ > 0 && isCommandSignal(signal)) --handlers_;
  QAction::disconnectNotify(signal);
}

}  // namespace markloom
