#pragma once
// "HTML Document Analysis": the small window shown while a document is being
// checked. The check runs on a worker thread from the work file; the rows go
// to the Results panel's Validation list, each keeping the line of its tag so a
// double-click can take the caret there.
#include <QDialog>
#include <QPointer>
#include <QString>
#include <vector>

#include "core/analysis/rule_set.h"
#include "core/analysis/tag_checker.h"

class QPushButton;
class QTableWidget;
class QThread;
class QTreeWidgetItem;

namespace markloom {

class Workbench;
class DocumentWindow;

class ValidationWindow : public QDialog {
  Q_OBJECT
 public:
  // Created once at start, hidden; lives as long as the program's window.
  explicit ValidationWindow(Workbench& workbench);
  ~ValidationWindow() override;

  // The work file the document's text goes to for each run.
  static QString workFile();

  // Starts one run over the work file for document (whose lines were just
  // written there) with the rules chosen: shows this window and checks off the
  // user-interface thread. Ignored while a run is in progress.
  void analyzeDocument(DocumentWindow* document, RuleChoice rules = RuleChoice::ByDoctype);
  bool running() const { return worker_ != nullptr; }

  // The rows of the last run, in order, and the rule set they come from.
  const std::vector<ValidationRow>& rows() const { return rows_; }
  RuleSet ruleSet() const { return ruleSet_; }

  // Publishes the rows in the Validation list, names the rule set in the
  // Validation tab's caption ("Validation (HTML5 rules)"), shows the Results
  // panel on that tab and hides this window.
  void publishResults();

  // Role of the Validation list's first column holding the row's zero-based line (-1: none).
  static constexpr int kLineRole = Qt::UserRole + 1;

 signals:
  // A run ended: its rows are published, or its error was shown.
  void finished();

 public slots:
  // Moves the caret of the checked document to the line of the row's tag.
  void goToRowLine(QTreeWidgetItem* item);

 private:
  void runFinished();

  Workbench& workbench_;
  QTableWidget* progressTable_ = nullptr;
  QPushButton* hideButton_ = nullptr;
  QThread* worker_ = nullptr;
  std::vector<ValidationRow> rows_;
  std::vector<ValidationRow> pending_;
  RuleSet ruleSet_ = RuleSet::Html4;
  RuleSet pendingRuleSet_ = RuleSet::Html4;
  QString error_;
  QPointer<DocumentWindow> checked_;  // the document the published rows belong to
  QPointer<DocumentWindow> running_;  // the document of the run in progress
};

}  // namespace markloom
