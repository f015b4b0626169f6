#pragma once
// The Tidy menu's five tidy commands: the active document's text goes to the
// work file, tidy runs over it in the background with the command's
// configuration, and when tidy has finished its result replaces the text of
// the document the command ran on, as one undoable change. Its messages fill
// the Tidy tab of the Results panel.
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "core/tidy/tidy_config.h"
#include "core/tidy/tidy_run.h"
#include "platform/process/tidy_job_runner.h"

namespace markloom {

class DocumentWindow;
class Workbench;

class TidyCommands : public QObject {
  Q_OBJECT
 public:
  // Asks for the options of "F&ix and Format HTML"; nullopt means Cancel.
  using OptionsChooser = std::function<std::optional<TidyOptions>()>;
  // How long tidy may run when the "Time Limit" setting holds no number.
  static constexpr int kDefaultTimeLimitSeconds = 60;

  explicit TidyCommands(Workbench& workbench);
  ~TidyCommands() override;

  // The chooser asks with TidyOptionsDialog unless another is set here (tests
  // answer for the user this way); an empty one restores the dialog.
  void setOptionsChooser(OptionsChooser chooser);
  bool running() const { return run_ != nullptr; }
  // The time limit of the next run, in seconds, from the "Time Limit" setting.
  int timeLimitSeconds() const;

 public slots:
  void formatHtml();
  void fixAndFormatHtml();
  void upgradeToStyleSheets();
  void upgradeToXml();
  void upgradeToXhtml();

 signals:
  // A run has ended and its result, or the reason there is none, was shown.
  void runEnded();

 private:
  struct Run;
  void startRun(TidyCommand command);
  void finishRun(const TidyOutcome& outcome);
  void fillTidyList(const TidyJobRunner& runner, const TidyOutcome& outcome);
  void reload(const Run& run);
  void setCommandsEnabled(bool enabled);

  Workbench& workbench_;
  OptionsChooser chooser_;
  std::unique_ptr<Run> run_;
};

}  // namespace markloom
