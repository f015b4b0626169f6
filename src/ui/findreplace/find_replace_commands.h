#pragma once
// The find-and-replace commands of the main window: "E&xtended Find and
// Replace" opens the dialog.
#include <QObject>

namespace markloom {

class TForm1;

class FindReplaceCommands : public QObject {
  Q_OBJECT
 public:
  explicit FindReplaceCommands(TForm1* form);

 public slots:
  void ExtendedFindandReplace1Click();

 private:
  TForm1* form_;
};

}  // namespace markloom
