#include "ui/tidy/tidy_commands.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QWidget>

#include "core/common/command_ids.h"
#include "core/common/error.h"
#include "core/text/file_io.h"
#include "core/text/file_writer.h"
#include "core/text/line_list.h"
#include "core/settings/settings_table.h"
#include "core/text/whole_number.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/tidy/tidy_options_dialog.h"
#include "ui/workbench/workbench.h"

namespace markloom {

namespace {
std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }

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
  TidyCommand command;
  QPointer<DocumentWindow> target;  // the document the command ran on
  std::string written;              // its text as handed to tidy, before protection
  ProtectedPage page;
  TidyRunPlan plan;
  TidyPaths paths;
  int timeLimitSeconds = 0;
  TidyProcess process;
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

    std::optional<TidyEncoding> encoding;
    auto run = std::make_unique<Run>();
    run->command = command;
    run->target = document;
    run->paths = TidyPaths::locate();
    QString config = run->paths.configFolder + tidyConfigFile(command);
    if (command == TidyCommand::FixAndFormat) {
      std::optional<TidyOptions> options;
      if (chooser_) {
        options = chooser_();
      } else {
        TidyOptionsDialog dialog(workbench_.mainWidget());
        if (dialog.exec() == QDialog::Accepted) options = dialog.fields();
      }
      if (!options || !run->target) return;
      encoding = options->encoding;
      const SettingsSnapshot& s = workbench_.settings();
      const TidyTagSettings tags{s.get(kTidyInlineTags), s.get(kTidyEmptyTags), s.get(kTidyBlockTags),
                                 s.get(kTidyPreformattedTags)};
      config = run->paths.workFolder + tidyConfigFile(command);
      writeWorkFile(local(config), generateConfig(*options, tags));
    }

    Document& doc = document->document();
    run->written = doc.editorOps().text();
    run->page = protectServerBlocks(run->written);
    run->plan = planTidyRun(command, encoding, doc.codec().encoding());
    writeWorkFile(local(run->paths.workFile), run->page.text);
    // error.log is read after the run; an old one must not pass for this run's.
    writeWorkFile(local(run->paths.log), std::string());

    QStringList args;
    for (const std::string& a : tidyArguments(local(config), run->plan, local(run->paths.workFile)))
      args << QFile::decodeName(a.c_str());
    connect(&run->process, &TidyProcess::finished, this, &TidyCommands::finishRun, Qt::QueuedConnection);
    run_ = std::move(run);
    setCommandsEnabled(false);
    workbench_.setStatusText("Wait...");
    run_->timeLimitSeconds = timeLimitSeconds();
    run_->process.start(run_->paths.program, args, run_->paths.workFolder, run_->timeLimitSeconds * 1000);
  });
}

void TidyCommands::fillTidyList(const QString& log, const ProtectedPage& page, const TidyOutcome& outcome) {
  QListWidget* list = workbench_.resultsPanel()->tidy();
  list->clear();
  std::vector<std::string> lines;
  try {
    lines = readLineList(local(log));
  } catch (const Error&) {
  }
  // What tidy says outside its log, such as options this version does not know.
  for (const std::string& l : parseLineList(outcome.errorOutput.toStdString())) lines.push_back(l);
  for (const std::string& l : lines) {
    const std::string shown = blocksInMessage(l, page);
    list->addItem(QString::fromLocal8Bit(shown.data(), static_cast<qsizetype>(shown.size())));
  }
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
    fillTidyList(run->paths.log, run->page, outcome);
    if (outcome.status == TidyOutcome::Status::Crashed || (outcome.exitCode != 0 && outcome.exitCode != 1)) {
      workbench_.showResults(ResultsTab::Tidy);
      prompter.message(caption,
                       outcome.status == TidyOutcome::Status::Crashed
                           ? QString("Tidy stopped unexpectedly. The document was not changed.")
                           : QString("Tidy found errors it could not fix, so the document was not changed. "
                                     "They are listed in the Tidy tab."),
                       Prompter::Icon::Warning, Prompter::Buttons::Ok);
      return;
    }
    if (run->command == TidyCommand::FixAndFormat) {
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
  const std::string result = tidyResultToDocument(readFile(local(run.paths.workFile)), run.plan, doc.codec(), run.page);
  if (ops.text() != run.written) {
    const auto answer =
        Prompter::instance().message(workbench_.mainWidget()->windowTitle(),
                                     "The document was changed while tidy ran. Replace it with tidy's result?",
                                     Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (answer != Prompter::Answer::Yes) return;
  }
  ops.beginUndoAction();
  ops.setLines(parseLineList(result));
  ops.endUndoAction();
  doc.setModified(true);
}

}  // namespace markloom
