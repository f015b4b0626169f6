// markloom-cli tidy: the Tidy menu's runs over a file, for batch use. The
// result goes to a file (replaced atomically) or to standard output, tidy's
// messages to standard error; the exit status is tidy's (0 clean, 1 warnings,
// 2 errors and no result), 3 when tidy could not run or the page was refused.
#include <QCoreApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "cli/tidy_fields_options.h"
#include "core/common/error.h"
#include "core/text/file_io.h"
#include "core/text/file_writer.h"
#include "core/text/line_list.h"
#include "core/text/text_encoding.h"
#include "core/text/whole_number.h"
#include "core/tidy/tidy_job.h"
#include "platform/files/cli_work_folder.h"
#include "platform/files/temporary_folder.h"
#include "platform/files/interrupt_cleanup.h"
#include "platform/process/tidy_job_runner.h"

namespace {

using namespace markloom;

const std::string kUsage = std::string("tidy --format|--fix|--css|--xml|--xhtml [--time-limit SECONDS] [") +
                           cli::kTidyFieldsUsage + " with --fix] FILE [-o OUT]";

int usage(const std::string& error) {
  if (!error.empty()) std::fprintf(stderr, "markloom-cli tidy: %s\n", error.c_str());
  std::fprintf(stderr, "usage: markloom-cli %s\n", kUsage.c_str());
  return 2;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "markloom-cli tidy: %s\n", message.c_str());
  return 3;
}

int tidy(const std::vector<std::string>& args) {
  std::optional<TidyCommand> command;
  TidyOptions options;
  TidyTagSettings tags;
  bool fieldsGiven = false;
  std::string in, out;
  bool haveIn = false, haveOut = false;
  int seconds = 60;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::optional<TidyCommand> named;
    if (a == "--format")
      named = TidyCommand::Format;
    else if (a == "--fix")
      named = TidyCommand::FixAndFormat;
    else if (a == "--css")
      named = TidyCommand::StyleSheets;
    else if (a == "--xml")
      named = TidyCommand::Xml;
    else if (a == "--xhtml")
      named = TidyCommand::Xhtml;
    std::string error;
    if (named) {
      if (command) return usage("give one of --format, --fix, --css, --xml, --xhtml");
      command = named;
    } else if (a == "--help" || a == "-h") {
      std::printf("usage: markloom-cli %s\n", kUsage.c_str());
      return 0;
    } else if (a == "-o") {
      if (i + 1 >= args.size() || haveOut) return usage("");
      out = args[++i];
      haveOut = true;
    } else if (a == "--time-limit") {
      try {
        seconds = i + 1 < args.size() ? wholeNumber(args[++i]) : 0;
      } catch (const Error&) {
        seconds = 0;
      }
      if (seconds <= 0) return usage("--time-limit takes a whole number of seconds above 0");
    } else if (cli::takeTidyFieldOption(args, i, options, tags, error)) {
      if (!error.empty()) return usage(error);
      fieldsGiven = true;
    } else if (!haveIn && (a.empty() || a[0] != '-')) {
      in = a;
      haveIn = true;
    } else {
      return usage("unexpected '" + a + "'");
    }
  }
  if (!command || !haveIn) return usage("");
  if (fieldsGiven && command != TidyCommand::FixAndFormat) return usage("the dialog's options go with --fix only");

  int argc = 1;
  char name[] = "markloom-cli";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);

  std::string bytes;
  try {
    bytes = readFile(in);
  } catch (const Error& e) {
    return fail(e.what());
  }
  const TextCodec codec = TextCodec::detect(bytes);
  const LineEnd lineEnd = detectLineEnd(bytes);
  // A run killed outright left its work folder behind; a signal that can be
  // caught removes this run's folder and the output's staging file, and tidy
  // ends with the run whatever ends it.
  CliWorkFolder::sweepLeftovers(temporaryFolder());
  removeStagingFilesOnInterrupt();
  CliWorkFolder work;
  if (work.path().empty()) return fail("cannot create a work folder");
  try {
    TidyJobRunner runner(prepareTidyJob(*command, bytes, codec.encoding(), options, tags),
                         TidyPaths::inFolder(QString::fromLocal8Bit(work.path()) + "/"));
    const TidyOutcome outcome = runner.run(seconds * 1000);
    switch (outcome.status) {
      case TidyOutcome::Status::FailedToStart:
        return fail(
            "the tidy program could not be started; install the tidy package or put a tidy program "
            "into the Extensions folder");
      case TidyOutcome::Status::TimedOut:
        return fail("tidy did not finish within " + std::to_string(seconds) + " seconds and was stopped");
      case TidyOutcome::Status::Crashed: return fail("tidy stopped unexpectedly");
      case TidyOutcome::Status::Finished: break;
    }
    const std::string log = runner.messageText(outcome);
    std::fwrite(log.data(), 1, log.size(), stderr);
    if (!tidyLeftResult(outcome.exitCode)) return outcome.exitCode;
    const std::string result = convertLineEnds(runner.result(codec), lineEnd);
    if (haveOut) {
      writeFileAtomically(out, result);
    } else if (std::fwrite(result.data(), 1, result.size(), stdout) != result.size() || std::fflush(stdout) != 0) {
      return fail("cannot write to standard output");
    }
    return outcome.exitCode;
  } catch (const Error& e) {
    return fail(e.what());
  }
}

const cli::CommandRegistration reg{
    {"tidy", kUsage, "run tidy over a page as the Tidy menu does: format, fix, style sheets, XML, XHTML", tidy}};

}  // namespace
