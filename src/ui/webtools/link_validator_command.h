#pragma once
// Tools ▸ "Lin&k Validator": checks the links of the active document's saved
// file in the Link Validator dialog.
#include <QObject>

namespace markloom {

class Workbench;

class LinkValidatorCommand : public QObject {
  Q_OBJECT
 public:
  explicit LinkValidatorCommand(Workbench& workbench);

 public slots:
  void validateLinks();

 private:
  Workbench& workbench_;
};

}  // namespace markloom
