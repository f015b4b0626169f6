#pragma once
// Tools > Hostdeck: opens the site publishing window, modally, for as long
// as the user needs it.
#include <QObject>

namespace markloom {

class Workbench;

class HostdeckCommand : public QObject {
  Q_OBJECT
 public:
  explicit HostdeckCommand(Workbench& workbench);
  void openHostdeck();

 private:
  Workbench& workbench_;
};

}  // namespace markloom
