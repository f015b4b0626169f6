#pragma once
#include <QAnyStringView>
#include <QList>
#include <QMainWindow>
#include <QPair>

#include "core/settings/settings_snapshot.h"
#include "core/workspace/session.h"
#include "ui/workbench/workbench.h"

class QMdiSubWindow;
class QAction;
class QLabel;
class QListWidget;
class QMdiArea;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QTreeWidget;

namespace markloom {

class DocumentWindow;
class CodeController;
class ResultsPanel;
class InboundChannel;
class RecentFilesMenu;
class ToolbarLayout;

// The main window: menus, toolbars, tag bar, side and results panels, and the
// document area holding the document windows. It is the features' workbench.
class MainWindow : public QMainWindow, public Workbench {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // A menu or toolbar command by its command id (ids::kSave, ...). Every
  // command of the menus exists from the start; command groups connect to the
  // ones they own.
  QAction* action(QAnyStringView id) const override;
  // A menu or submenu by its command id (ids::kFileMenu, ...). The tag bar is
  // tagBar(); each of its tabs is a QToolBar named after the tab, and the
  // Formatting toolbar sits at the bottom.
  QMenu* menu(QAnyStringView id) const;
  QTabWidget* tagBar() const { return tagBar_; }

  // The Results panel's lists: "Validation", "Tidy", "Links".
  QTreeWidget* validationList() const;
  QListWidget* tidyList() const;
  QTreeWidget* linksList() const;
  void showResults(ResultsTab tab) override;
  // Status bar panel 2 ("Ready", "Wait...").
  void setStatusText(const QString& text) override;
  QString statusText(int panel) const;

  CodeController* codeController() const { return codeController_; }
  ResultsPanel* resultsPanel() const override { return results_; }

  QMdiArea* documentArea() const { return documentArea_; }
  // The document window every document command acts on; nullptr with none open.
  DocumentWindow* activeDocument() const override;
  // Every open document window, in creation order.
  QList<DocumentWindow*> documents() const override;
  // Creates and shows a new document window (untitled, new-page text).
  DocumentWindow* createDocument() override;
  // New document window with path loaded into it (errors shown, window kept).
  DocumentWindow* openDocument(const QString& path) override;
  // A file named on the command line: opened when it exists, otherwise a new,
  // empty document that takes the name (the file is made by the first save).
  DocumentWindow* openFromCommandLine(const QString& path);
  // The window already showing path, brought forward; otherwise the file
  // opened as from the command line.
  DocumentWindow* openOrActivate(const QString& path) override;
  void activateDocument(DocumentWindow* document) override;
  // The window whose document is the file path; nullptr when none is.
  DocumentWindow* documentFor(const QString& path) const;
  // Puts the caret at the start of line (1-based) and scrolls to it.
  static void goToLine(DocumentWindow* window, int line);

  // The Standard, Tools and Formatting toolbars' commands, kept between runs.
  ToolbarLayout* toolbarLayout() const { return toolbarLayout_; }
  // The toolbars' context menu: the toolbars and panels to show or hide, and "Customize...".
  QMenu* createPopupMenu() override;

  // File > Recent Files.
  RecentFilesMenu* recentFiles() const { return recentFiles_; }

  // The open documents as a session: file, caret line, the active one.
  // Untitled documents have no file to reopen and are left out.
  Session currentSession() const;
  // Reopens the session kept at the last clean exit, unless the user turned
  // that off; files that no longer exist are skipped with a note in the
  // status bar.
  void restoreSession();
  // Files handed over by another start of the program (an Open message of the
  // inbound channel): each opened or brought forward, the caret on the line
  // asked for, and the main window to the front. Returns why the message
  // could not be used, or an empty string.
  QString openHandedFiles(const QByteArray& payload);

  // Bookkeeping the document windows use. Every document window created in
  // this run takes the next number, so captions are never reused.
  int nextDocumentNumber() override { return ++documentsCreated_; }
  int documentsCreated() const { return documentsCreated_; }
  void addToWindowList(const QString& caption, DocumentWindow* window) override;
  void removeFromWindowList(DocumentWindow* window) override;
  QList<QPair<QString, DocumentWindow*>> windowList() const;

  const SettingsSnapshot& settings() const override { return settings_; }
  // Reads the store into the snapshot and applies it to the main window. Errors
  // propagate (the caller's command boundary shows them).
  void loadSettings() override;

  QString programFilePath(const QString& relative) const override;
  QString workFilePath(const QString& relative) const override;
  QWidget* mainWidget() const override { return const_cast<MainWindow*>(this); }

  // The inbound text channel: its text changing inserts the lines at the caret.
  QPlainTextEdit* inboundText() const { return inboundText_; }

 public slots:
  void exitProgram();
  void tileWindows();
  void cascadeWindows();
  void activateNextWindow();
  void activatePreviousWindow();
  void showContentWizards();
  void showAbout();
  // Opens the "Customize" dialog (modeless, one at a time).
  void customizeToolbars();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildToolbars();
  void buildTagBar();
  void buildStatusBar();
  void connectOwnCommands();
  // Connects the handlers of each subsystem's command group.
  void installCommandGroups();
  // Menu entries that nothing answers are shown disabled until their feature exists.
  void greyOutUnansweredCommands();
  // Fills the side panel from the data files and loads the settings; run at
  // the first show.
  void loadWorkspace();
  void applySettings();
  void fillOpenDocumentsMenu();
  // Writes session to the settings store for the next start.
  void keepSession(const Session& session);
  // Takes the built toolbars as the default layout and restores the kept one.
  void installToolbarLayout();
  // Writes the toolbars' layout to the settings store for the next start.
  void keepToolbars();
  void connectInboundChannel();
  void insertInboundText();
  // The first status panel follows the caret of the active document ("12 : 5").
  void followActiveDocument(QMdiSubWindow* active);

  QMdiArea* documentArea_ = nullptr;
  QTabWidget* tagBar_ = nullptr;
  CodeController* codeController_ = nullptr;
  ResultsPanel* results_ = nullptr;
  QLabel* statusPanels_[3] = {};
  QPlainTextEdit* inboundText_ = nullptr;
  InboundChannel* inboundChannel_ = nullptr;
  RecentFilesMenu* recentFiles_ = nullptr;
  ToolbarLayout* toolbarLayout_ = nullptr;
  QByteArray inboundBytes_;  // the last message of the channel, byte for byte
  SettingsSnapshot settings_;
  QList<QPair<QString, DocumentWindow*>> windowList_;  // entries leave when their window is destroyed
  bool shownOnce_ = false;
  // What the start-up check found wrong with the settings file (moved aside).
  QString settingsDamage_;
  QMetaObject::Connection caretConnection_;
  int documentsCreated_ = 0;
};

}  // namespace markloom
