#include "ui/analysis/analysis_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QWidget>

#include "core/common/command_ids.h"
#include "core/text/file_io.h"
#include "core/text/file_writer.h"
#include "ui/analysis/validation_window.h"
#include "ui/common/command_guard.h"
#include "ui/document/document_window.h"
#include "ui/workbench/workbench.h"

namespace markloom {

namespace {

struct RuleCommand {
  std::string_view id;
  RuleChoice choice;
  const char* tip;
};

constexpr RuleCommand kRuleCommands[] = {
    {ids::kValidationRulesByDoctype, RuleChoice::ByDoctype,
     "<!DOCTYPE html> selects the HTML5 rules; any other DOCTYPE or none, the HTML 4 rules."},
    {ids::kValidationRulesHtml5, RuleChoice::Html5, "Checks every page against the HTML5 rules."},
    {ids::kValidationRulesHtml4, RuleChoice::Html4, "Checks every page against the HTML 4 rules."},
};

}  // namespace

AnalysisCommands::AnalysisCommands(Workbench& workbench) : QObject(workbench.mainWidget()), workbench_(workbench) {
  setObjectName("AnalysisCommands");
  if (QAction* command = workbench.action(ids::kValidateDocument)) {
    command->setStatusTip("Checks every tag against the element and attribute rules.");
    connect(command, &QAction::triggered, this, &AnalysisCommands::validateDocument);
  }
  ruleActions_ = new QActionGroup(this);
  ruleActions_->setExclusive(true);
  for (const RuleCommand& c : kRuleCommands) {
    QAction* a = workbench.action(c.id);
    if (!a) continue;
    a->setCheckable(true);
    a->setChecked(c.choice == ruleChoice_);
    a->setStatusTip(c.tip);
    ruleActions_->addAction(a);
    const RuleChoice choice = c.choice;
    connect(a, &QAction::triggered, this, [this, choice] { setRuleChoice(choice); });
  }
}

ValidationWindow* AnalysisCommands::validationWindow() {
  if (auto* window = workbench_.mainWidget()->findChild<ValidationWindow*>()) return window;
  return new ValidationWindow(workbench_);
}

void AnalysisCommands::setRuleChoice(RuleChoice choice) {
  ruleChoice_ = choice;
  for (const RuleCommand& c : kRuleCommands) {
    if (QAction* a = workbench_.action(c.id)) a->setChecked(c.choice == choice);
  }
}

void AnalysisCommands::validateDocument() {
  guarded([&] {
    DocumentWindow* document = workbench_.activeDocument();
    if (!document) return;
    ValidationWindow* validation = validationWindow();
    if (validation->running()) return;  // one run at a time; its rows arrive shortly
    // The editor's text as it stands, unsaved edits included, lines ending CR LF.
    writeWorkFile(QFile::encodeName(ValidationWindow::workFile()).toStdString(),
                  document->document().editorOps().text());
    validation->analyzeDocument(document, ruleChoice_);
  });
}

}  // namespace markloom
