#pragma once
// The find-and-replace commands: "E&xtended Find and Replace" opens the dialog.
#include <QObject>

namespace markloom {

class Workbench;

class FindReplaceCommands : public QObject {
  Q_OBJECT
 public:
  explicit FindReplaceCommands(Workbench& workbench);

 public slots:
  void openMultiFileReplace();

 private:
  Workbench& workbench_;
};

}  // namespace markloom
