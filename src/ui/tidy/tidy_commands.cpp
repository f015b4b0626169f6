#include "ui/tidy/tidy_commands.h"

#include <QAction>
#include <QListWidget>
#include <QWidget>

#include "core/common/command_ids.h"
#include "core/common/error.h"
#include "core/settings/settings_table.h"
#include "core/text/line_list.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/tidy/tidy_options_dialog.h"
#include "ui/workbench/workbench.h"

namespace markloom {

namespace {
struct CommandSlot {
  std::string_view id;
  void (TidyCommands::*slot)();
};
const CommandSlot kCommands[] = {
    {ids::kFormatHtml, &TidyCommands::formatHtml},
    {ids::kFixAndFormatHtml, &TidyCommands::fixAndFormatHtml},
    {ids::kUpgradeToStyleSheets, &TidyCommands::upgradeToStyleSheets},
    {ids::kUpgradeToXml, &TidyCommands::upgradeToXml},
    {ids::kUpgradeToXhtml, &TidyCommands::upgradeToXhtml},
};
}  // namespace

struct TidyCommands::Run {
  QPointer<DocumentWindow> target;  // the document the command ran on
  std::string written;              // its text as handed to tidy, before protection
  int timeLimitSeconds = 0;
  std::unique_ptr<TidyJobRunner> runner;
};

TidyCommands::TidyCommands(Workbench& workbench) : QObject(workbench.mainWidget()), workbench_(workbench) {
  setObjectName("TidyCommands");
  for (const CommandSlot& c : kCommands)
    if (QAction* command = workbench.action(c.id)) connect(command, &QAction::triggered, this, c.slot);
}

TidyCommands::~TidyCommands() = default;

void TidyCommands::setOptionsChooser(OptionsChooser chooser) { chooser_ = std::move(chooser); }

int TidyCommands::timeLimitSeconds() const {
  return workbench_.settings().number(kTidyTimeLimit).value_or(kDefaultTimeLimitSeconds);
}

void TidyCommands::formatHtml() { startRun(TidyCommand::Format); }
void TidyCommands::fixAndFormatHtml() { startRun(TidyCommand::FixAndFormat); }
void TidyCommands::upgradeToStyleSheets() { startRun(TidyCommand::StyleSheets); }
void TidyCommands::upgradeToXml() { startRun(TidyCommand::Xml); }
void TidyCommands::upgradeToXhtml() { startRun(TidyCommand::Xhtml); }

void TidyCommands::setCommandsEnabled(bool enabled) {
  for (const CommandSlot& c : kCommands)
    if (QAction* command = workbench_.action(c.id)) command->setEnabled(enabled);
}

void TidyCommands::startRun(TidyCommand command) {
  guarded([&] {
    DocumentWindow* document = workbench_.activeDocument();
    if (!document) return;
    // One run at a time: there is one work file.
    if (run_) return Prompter::instance().beep();

    auto run = std::make_unique<Run>();
    run->target = document;
    TidyOptions options;
    TidyTagSettings tags;
    if (command == TidyCommand::FixAndFormat) {
      std::optional<TidyOptions> chosen;
      if (chooser_) {
        chosen = chooser_();
      } else {
        TidyOptionsDialog dialog(workbench_.mainWidget());
        if (dialog.exec() == QDialog::Accepted) chosen = dialog.fields();
      }
      if (!chosen || !run->target) return;
      options = *chosen;
      const SettingsSnapshot& s = workbench_.settings();
      tags = {s.get(kTidyInlineTags), s.get(kTidyEmptyTags), s.get(kTidyBlockTags), s.get(kTidyPreformattedTags)};
    }

    Document& doc = document->document();
    run->written = doc.editorOps().text();
    run->runner = std::make_unique<TidyJobRunner>(
        prepareTidyJob(command, run->written, doc.codec().encoding(), options, tags), TidyPaths::locate());
    connect(run->runner.get(), &TidyJobRunner::finished, this, &TidyCommands::finishRun, Qt::QueuedConnection);
    run->timeLimitSeconds = timeLimitSeconds();
    // The end is reported from the event loop, so the run is in place by then.
    run->runner->start(run->timeLimitSeconds * 1000);
    run_ = std::move(run);
    setCommandsEnabled(false);
    workbench_.setStatusText("Wait...");
  });
}

void TidyCommands::fillTidyList(const TidyJobRunner& runner, const TidyOutcome& outcome) {
  QListWidget* list = workbench_.resultsPanel()->tidy();
  list->clear();
  for (const std::string& l : runner.messageLines(outcome))
    list->addItem(QString::fromLocal8Bit(l.data(), static_cast<qsizetype>(l.size())));
}

void TidyCommands::finishRun(const TidyOutcome& outcome) {
  // The signal came queued, so the process object may go with the run.
  const std::unique_ptr<Run> run = std::move(run_);
  workbench_.setStatusText("Ready");
  setCommandsEnabled(true);
  Prompter& prompter = Prompter::instance();
  const QString caption = workbench_.mainWidget()->windowTitle();
  guarded([&] {
    switch (outcome.status) {
      case TidyOutcome::Status::FailedToStart:
        prompter.message(caption,
                         "The tidy program could not be started. Install the tidy package, or put a tidy "
                         "program into the Extensions folder.",
                         Prompter::Icon::Error, Prompter::Buttons::Ok);
        return;
      case TidyOutcome::Status::TimedOut:
        prompter.message(caption,
                         QString("Tidy did not finish within %1 and was stopped. The document was not changed.")
                             .arg(run->timeLimitSeconds == 1 ? QString("1 second")
                                                             : QString("%1 seconds").arg(run->timeLimitSeconds)),
                         Prompter::Icon::Warning, Prompter::Buttons::Ok);
        return;
      case TidyOutcome::Status::Crashed:
      case TidyOutcome::Status::Finished: break;
    }
    fillTidyList(*run->runner, outcome);
    if (outcome.status == TidyOutcome::Status::Crashed || !tidyLeftResult(outcome.exitCode)) {
      workbench_.showResults(ResultsTab::Tidy);
      prompter.message(caption,
                       outcome.status == TidyOutcome::Status::Crashed
                           ? QString("Tidy stopped unexpectedly. The document was not changed.")
                           : QString("Tidy found errors it could not fix, so the document was not changed. "
                                     "They are listed in the Tidy tab."),
                       Prompter::Icon::Warning, Prompter::Buttons::Ok);
      return;
    }
    if (run->runner->job().command == TidyCommand::FixAndFormat) {
      reload(*run);
      workbench_.showResults(ResultsTab::Tidy);
      prompter.message(caption,
                       "HTML Format and Fix has been completed.\nTo undo any changes, close the file without saving.",
                       Prompter::Icon::Information, Prompter::Buttons::Ok);
    } else {
      prompter.message(caption,
                       "HTML Format Complete.\nWhen you click OK the document will be updated.\nafter three seconds.",
                       Prompter::Icon::None, Prompter::Buttons::Ok);
      workbench_.showResults(ResultsTab::Tidy);
      reload(*run);
    }
  });
  emit runEnded();
}

void TidyCommands::reload(const Run& run) {
  DocumentWindow* target = run.target;
  if (!target) return;  // closed while tidy ran
  Document& doc = target->document();
  EditorOps& ops = doc.editorOps();
  const std::string result = run.runner->result(doc.codec());
  if (ops.text() != run.written) {
    const auto answer = Prompter::instance().message(
        workbench_.mainWidget()->windowTitle(), "The document was changed while tidy ran. Replace it with tidy's result?",
        Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (answer != Prompter::Answer::Yes) return;
  }
  ops.beginUndoAction();
  ops.setLines(parseLineList(result));
  ops.endUndoAction();
  doc.setModified(true);
}

}  // namespace markloom
