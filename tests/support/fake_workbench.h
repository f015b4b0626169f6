#pragma once
// A workbench without the main window: a plain top-level widget holds the
// commands, the Results panel and the document windows; what a feature
// shows in the status line and which Results tab it brings up are kept for
// the test to read. Commands exist for every id asked for, as the main
// window's do from the start.
#include <QList>
#include <QPair>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

#include "ui/workbench/workbench.h"

class QWidget;

namespace markloom::test {

class FakeWorkbench : public Workbench {
 public:
  // folder: the program folder and the work folder both, with a trailing '/'.
  explicit FakeWorkbench(const QString& folder);
  ~FakeWorkbench() override;

  DocumentWindow* activeDocument() const override;
  QList<DocumentWindow*> documents() const override;
  DocumentWindow* createDocument() override;
  DocumentWindow* openDocument(const QString& path) override;
  DocumentWindow* openOrActivate(const QString& path) override;
  void activateDocument(DocumentWindow* document) override;

  ResultsPanel* resultsPanel() const override { return results_; }
  void showResults(ResultsTab tab) override;
  void setStatusText(const QString& text) override;

  int nextDocumentNumber() override { return ++documentsCreated_; }
  void addToWindowList(const QString& caption, DocumentWindow* window) override;
  void removeFromWindowList(DocumentWindow* window) override;
  const SettingsSnapshot& settings() const override { return settings_; }
  void loadSettings() override { ++settingsLoads; }

  QString programFilePath(const QString& relative) const override;
  QString workFilePath(const QString& relative) const override;
  QWidget* mainWidget() const override { return window_.get(); }
  QAction* action(QAnyStringView id) const override;

  // What the features did, in order.
  QStringList statusTexts;
  std::vector<ResultsTab> shownTabs;
  int settingsLoads = 0;
  QList<QPair<QString, DocumentWindow*>> windowList;
  // The settings the features read; a test sets values here.
  SettingsSnapshot& storedSettings() { return settings_; }

 private:
  QString folder_;
  std::unique_ptr<QWidget> window_;
  ResultsPanel* results_ = nullptr;
  QList<QPointer<DocumentWindow>> documents_;  // in creation order
  QPointer<DocumentWindow> active_;
  SettingsSnapshot settings_;
  int documentsCreated_ = 0;
};

}  // namespace markloom::test
