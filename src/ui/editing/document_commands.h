#pragma once
// The File, Edit, Search and Actions commands on documents, Spell Check and the
// timed backup. Each command acts on the active document and does nothing
// without one.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <string_view>
#include "platform/editor/markloom_editor.h"

class QPrinter;

namespace markloom {

class Workbench;
class DocumentWindow;
class FindDialog;

class DocumentCommands : public QObject {
  Q_OBJECT
 public:
  explicit DocumentCommands(Workbench& workbench);
  ~DocumentCommands() override;

  // Timed backup: every modified, titled document written to its name + ".bak".
  void backupNow();
  // One minute of the backup timer: backs up once the stored "Timed Backup"
  // minutes have passed; a setting that is not a positive number means never.
  void backupTick();
  // The Find or Replace dialog opened last, while it is open.
  FindDialog* findDialog() const;

 public slots:
  void newDocument();
  void newFromTemplate();
  void openLocalFile();
  void saveDocument();
  void saveDocumentAs();
  void closeDocument();
  void closeAllDocuments();
  void print();
  void setUpPage();
  void undo();
  void redo();
  void cut();
  void copy();
  void paste();
  void selectAll();
  void find();
  void replace();
  void goToLine();
  void goToTop();
  void goToBottom();
  void capitalizeLine();
  void selectionToUppercase();
  void selectionToLowercase();
  void lineToUppercase();
  void lineToLowercase();
  void spellCheck();
  // F3 and Shift+F3: the last search again, forward or backward, without the
  // dialog; past the end (or the start) it goes on from the other end and
  // says "Search wrapped" in the status bar.
  void findNextAgain();
  void findPreviousAgain();

 private:
  struct LastSearch {
    QString text;
    MarkloomEditor::SearchFlags flags;
  };
  void findAgain(bool forward);
  void connectCommand(std::string_view id, void (DocumentCommands::*slot)());
  void showFindDialog(bool replace);

  Workbench& workbench_;
  QString lastOpened_;                 // the open dialog starts with the last file chosen in this run
  std::unique_ptr<QPrinter> printer_;  // page set-up holds for this run only
  QPointer<FindDialog> findDialog_;
  std::optional<LastSearch> lastSearch_;
  QTimer backupTicker_;
  int minutesSinceBackup_ = 0;
};

}  // namespace markloom
