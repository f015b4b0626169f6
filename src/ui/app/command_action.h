#pragma once
// A menu command that knows whether anything answers it: it counts the
// handlers connected to its triggered and toggled signals once watching
// starts, so that entries no command group answers can be greyed out instead
// of doing nothing when chosen. The menus and toolbars showing the action
// connect to it too; watching starts after they are built.
#include <QAction>

namespace markloom {

class CommandAction : public QAction {
  Q_OBJECT
 public:
  using QAction::QAction;

  void watchHandlers() { watching_ = true; }
  bool hasHandler() const { return handlers_ > 0; }

 protected:
  void connectNotify(const QMetaMethod& signal) override;
  void disconnectNotify(const QMetaMethod& signal) override;

 private:
  static bool isCommandSignal(const QMetaMethod& signal);

  bool watching_ = false;
  int handlers_ = 0;
};

}  // namespace markloom
