#pragma once
// "&Validate Document" (Tidy menu): writes the active document's text to the
// work file and has the analysis window check it and publish the rows. The
// "Validation Rules" submenu beside it chooses the rules: by the page's
// DOCTYPE (the default), or HTML5 or HTML 4 for every page.
#include <QObject>

#include "core/analysis/rule_set.h"

class QActionGroup;

namespace markloom {

class Workbench;
class ValidationWindow;

class AnalysisCommands : public QObject {
  Q_OBJECT
 public:
  explicit AnalysisCommands(Workbench& workbench);

  // The program's analysis window, created on first use when the program has
  // not made one at start.
  ValidationWindow* validationWindow();

 public slots:
  void validateDocument();
  void setRuleChoice(RuleChoice choice);

 private:
  Workbench& workbench_;
  RuleChoice ruleChoice_ = RuleChoice::ByDoctype;
  QActionGroup* ruleActions_ = nullptr;
};

}  // namespace markloom
