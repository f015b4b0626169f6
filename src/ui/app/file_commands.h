#pragma once
// The File, Edit, Search and Actions commands on documents, and Spell Check.
// Each acts on the main window's active document and does nothing without one.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>

class QPrinter;

namespace markloom {

class MainWindow;
class DocumentWindow;
class FindDialog;

class FileCommands : public QObject {
  Q_OBJECT
 public:
  explicit FileCommands(MainWindow* form);
  ~FileCommands() override;

  // Timed backup: every modified, titled document written to its name + ".bak".
  void backupNow();
  QTimer& backupTicker() { return backupTicker_; }

 public slots:
  void New1Click();
  void NewfromTemplate1Click();
  void OpenfromLocal1Click();
  void Save1Click();
  void SaveAs1Click();
  void Close1Click();
  void CloseAll1Click();
  void Print1Click();
  void PageSetup1Click();
  void Undo1Click();
  void Redo1Click();
  void Cut1Click();
  void Copy1Click();
  void Paste1Click();
  void SelectAll1Click();
  void Find1Click();
  void Replace1Click();
  void GotoLine1Click();
  void GotoTop1Click();
  void GotoBottom1Click();
  void CapitalizeLine1Click();
  void ConvertSelectiontoUppercase1Click();
  void ConvertSelectiontoLowercase1Click();
  void ConvertLinetoUppercase1Click();
  void ConvertLinetoLowercase1Click();
  void SpellCheck1Click();

 private:
  void connectAction(const char* name, void (FileCommands::*slot)());
  void showFindDialog(bool replace);
  void backupTick();

  MainWindow* form_;
  QString lastOpened_;  // the open dialog starts with the last file chosen in this run
  std::unique_ptr<QPrinter> printer_;  // page set-up holds for this run only
  QPointer<FindDialog> findDialog_;
  QTimer backupTicker_;
  int minutesSinceBackup_ = 0;
};

}  // namespace markloom
