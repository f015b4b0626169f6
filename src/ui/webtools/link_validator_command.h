#pragma once
// Tools ▸ "Lin&k Validator": checks the links of the active document's saved
// file in the Link Validator dialog.
#include <QObject>

namespace markloom {

class MainWindow;

class LinkValidatorCommand : public QObject {
  Q_OBJECT
 public:
  explicit LinkValidatorCommand(MainWindow* window);

 public slots:
  void validateLinks();

 private:
  MainWindow* window_;
};

}  // namespace markloom
