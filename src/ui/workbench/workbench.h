#pragma once
// What the features (command groups and their windows) reach of the program,
// and all of it: the documents, the Results panel, the status line, the
// settings, the program's folders, a parent for dialogs and the commands by
// id. The main window implements it and wires the features in; a feature
// never sees the main window itself, so it can be built and tested alone.
#include <QAnyStringView>
#include <QList>
#include <QString>

#include "ui/workbench/document_host.h"
#include "ui/workbench/results_panel.h"

class QAction;
class QWidget;

namespace markloom {

class DocumentWindow;

class Workbench : public DocumentHost {
 public:
  using ResultsTab = markloom::ResultsTab;

  // The document window every document command acts on; nullptr with none open.
  virtual DocumentWindow* activeDocument() const = 0;
  // Every open document window, in creation order.
  virtual QList<DocumentWindow*> documents() const = 0;
  // Creates and shows a new document window (untitled, new-page text).
  virtual DocumentWindow* createDocument() = 0;
  // New document window with path loaded into it (errors shown, window kept).
  virtual DocumentWindow* openDocument(const QString& path) = 0;
  // The window already showing path, brought forward; otherwise the file opened
  // (or, when it does not exist, a new document that takes its name).
  virtual DocumentWindow* openOrActivate(const QString& path) = 0;
  // Brings document forward as the active one.
  virtual void activateDocument(DocumentWindow* document) = 0;

  virtual ResultsPanel* resultsPanel() const = 0;
  // Shows the Results panel with that tab active.
  virtual void showResults(ResultsTab tab) = 0;
  // The status bar's message panel ("Ready", "Wait...").
  virtual void setStatusText(const QString& text) = 0;

  // Reads the store into settings() again. Errors propagate (the caller's
  // command boundary shows them).
  virtual void loadSettings() = 0;

  // The file to read for a data file: relative to the program folder, written
  // with '\' ("Extensions\\tags.txt"); the user's own copy when there is one.
  virtual QString programFilePath(const QString& relative) const = 0;
  // Where the program writes that file ("Compr.tmp", "Extensions\\tags.txt"):
  // the program folder when it is the user's own copy, otherwise the per-user
  // folder. Every file the program writes goes through here.
  virtual QString workFilePath(const QString& relative) const = 0;

  // The program's window: the parent of dialogs and tool windows, the caption
  // of the program's messages, and where the menus and toolbars a feature
  // fills are found by object name.
  virtual QWidget* mainWidget() const = 0;
  // A command by its command id (ids::kSave, ...); nullptr when there is none.
  // Every command exists from the start; a command group connects to the
  // ones it owns.
  virtual QAction* action(QAnyStringView id) const = 0;
};

}  // namespace markloom
