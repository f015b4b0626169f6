#include "ui/analysis/analysis_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>

#include "core/common/command_ids.h"
#include "core/text/file_io.h"
#include "core/text/file_writer.h"
#include "ui/analysis/validation_window.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/document/document_window.h"

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

AnalysisCommands::AnalysisCommands(MainWindow* window) : QObject(window), window_(window) {
  setObjectName("AnalysisCommands");
  if (QAction* command = window->action(ids::kValidateDocument)) {
    command->setStatusTip("Checks every tag against the element and attribute rules.");
    connect(command, &QAction::triggered, this, &AnalysisCommands::validateDocument);
  }
  ruleActions_ = new QActionGroup(this);
  ruleActions_->setExclusive(true);
  for (const RuleCommand& c : kRuleCommands) {
    QAction* a = window->action(c.id);
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
  if (auto* window = window_->findChild<ValidationWindow*>()) return window;
  return new ValidationWindow(window_);
}

void AnalysisCommands::setRuleChoice(RuleChoice choice) {
  ruleChoice_ = choice;
  for (const RuleCommand& c : kRuleCommands) {
    if (QAction* a = window_->action(c.id)) a->setChecked(c.choice == choice);
  }
}

void AnalysisCommands::validateDocument() {
  guarded([&] {
    DocumentWindow* document = window_->activeDocument();
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
