// markloom-cli replace: the "Extended Find and Replace" pass over files given on
// the command line, without questions. Prints each changed file, then the four
// counters; warnings go to standard error.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/common/error.h"
#include "core/findreplace/replace_pass.h"
#include "platform/files/interrupt_cleanup.h"

namespace {

const char* const kUsage = "replace --find TEXT --replace TEXT [--ignore-case] [--whole-words] [--backup] FILE...";

int usage() {
  std::fprintf(stderr, "usage: markloom-cli %s\n", kUsage);
  return 2;
}

void printCounters(const markloom::ReplaceCounters& c) {
  std::printf("Files Read: %lld\nBytes Read: %lld\nBytes Written: %lld\nOccurences: %lld\n",
              static_cast<long long>(c.filesRead), static_cast<long long>(c.bytesRead),
              static_cast<long long>(c.bytesWritten), static_cast<long long>(c.occurrences));
}

int replace(const std::vector<std::string>& args) {
  markloom::ReplaceOptions options;
  bool haveFind = false;
  bool haveReplace = false;
  bool optionsEnded = false;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || a.empty() || a[0] != '-' || a == "-") {
      files.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (a == "--find" || a == "--replace") {
      if (i + 1 >= args.size()) return usage();
      (a == "--find" ? options.find : options.replace) = args[++i];
      (a == "--find" ? haveFind : haveReplace) = true;
    } else if (a == "--ignore-case") {
      options.ignoreCase = true;
    } else if (a == "--whole-words") {
      options.wholeWords = true;
    } else if (a == "--backup") {
      options.backup = true;
    } else if (a == "--help" || a == "-h") {
      std::printf("usage: markloom-cli %s\n", kUsage);
      return 0;
    } else {
      std::fprintf(stderr, "markloom-cli replace: unknown option '%s'\n", a.c_str());
      return usage();
    }
  }
  if (!haveFind || !haveReplace || files.empty()) return usage();

  bool someFileRefused = false;
  markloom::PassCallbacks callbacks;
  callbacks.warn = [&](const std::string& warning) {
    someFileRefused = true;
    std::fprintf(stderr, "%s\n", warning.c_str());
  };
  markloom::removeStagingFilesOnInterrupt();
  markloom::ReplacePass pass(options, callbacks);
  int status = 0;
  try {
    const auto outcomes = pass.run(files);
    for (std::size_t i = 0; i < files.size(); ++i) {
      if (outcomes[i] == markloom::FileOutcome::Changed) std::printf("%s\n", files[i].c_str());
    }
  } catch (const markloom::Error& e) {
    // A read, write or rename failure ends the pass; the file it happened in is
    // left as it was.
    std::fprintf(stderr, "%s\n", e.what());
    status = 1;
  }
  printCounters(pass.counters());
  if (status == 0 && someFileRefused) status = 2;
  return status;
}

const markloom::cli::CommandRegistration registration{
    {"replace", kUsage, "Replaces a text in many files, keeping every other byte as it was", replace}};

}  // namespace
