#pragma once
// Tools ▸ "Lin&k Validator": checks the links of the active document's saved
// file in the Link Validator dialog. When a check ends, its rows also go to
// the "Links" tab of the Results panel (which outlives the dialog) and its
// summary to the status bar; double-clicking a row there goes to the link in
// the document that was checked.
#include <QObject>
#include <QPointer>

namespace markloom {

class DocumentWindow;
class LinkValidatorDialog;
class Workbench;

class LinkValidatorCommand : public QObject {
  Q_OBJECT
 public:
  explicit LinkValidatorCommand(Workbench& workbench);

 public slots:
  void validateLinks();

 private:
  void publish(const LinkValidatorDialog& dialog, DocumentWindow* document);

  Workbench& workbench_;
  QPointer<DocumentWindow> published_;  // the document the Links tab's rows belong to
};

}  // namespace markloom
