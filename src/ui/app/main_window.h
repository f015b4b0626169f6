#pragma once
#include <QMainWindow>

namespace markloom {

// The main window: menus, toolbars, tag bar, side and results panels, and the
// document area holding the document windows.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
};

}  // namespace markloom
