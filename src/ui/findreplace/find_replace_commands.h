#pragma once
// The find-and-replace commands of the main window: "E&xtended Find and
// Replace" opens the dialog.
#include <QObject>

namespace markloom {

class MainWindow;

class FindReplaceCommands : public QObject {
  Q_OBJECT
 public:
  explicit FindReplaceCommands(MainWindow* window);

 public slots:
  void openMultiFileReplace();

 private:
  MainWindow* window_;
};

}  // namespace markloom
