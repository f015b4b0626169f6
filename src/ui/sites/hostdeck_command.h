#pragma once
// Tools > Hostdeck: opens the site publishing window, modally, for as long
// as the user needs it.
#include <QObject>

namespace markloom {

class MainWindow;

class HostdeckCommand : public QObject {
  Q_OBJECT
 public:
  explicit HostdeckCommand(MainWindow* window);
  void openHostdeck();

 private:
  MainWindow* window_;
};

}  // namespace markloom
