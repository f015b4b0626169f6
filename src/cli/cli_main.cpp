// markloom-cli: batch access to the editor's engines.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "platform/files/journal_folder.h"

namespace {

void printHelp() {
  auto commands = markloom::cli::commandTable();
  std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  std::printf("Usage: markloom-cli COMMAND [ARGS...]\n       markloom-cli --help | --version\n\nCommands:\n");
  for (const auto& c : commands) std::printf("  %-60s %s\n", c.usage.c_str(), c.summary.c_str());
}

// A command whose output did not reach its destination (a full disk, a closed
// standard output) has not done its work, whatever it returned.
int outputChecked(int status) {
  errno = 0;
  const bool flushed = std::fflush(stdout) == 0;
  const int flushError = errno;
  const bool clean = flushed && !std::ferror(stdout);
  if (clean) return status;
  if (!flushed && flushError)
    std::fprintf(stderr, "markloom-cli: the output could not be written: %s\n", std::strerror(flushError));
  else
    std::fprintf(stderr, "markloom-cli: the output could not be written\n");
  return status == 2 ? 2 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printHelp();
    return 2;
  }
  const std::string first = argv[1];
  if (first == "--help" || first == "-h") {
    printHelp();
    return 0;
  }
  if (first == "--version") {
    std::printf("markloom-cli %s\n", MARKLOOM_VERSION);
    return 0;
  }
  markloom::useUserJournalFolder();
  for (const auto& command : markloom::cli::commandTable()) {
    if (command.name == first) return outputChecked(command.run(std::vector<std::string>(argv + 2, argv + argc)));
  }
  std::fprintf(stderr, "markloom-cli: unknown command '%s' (see --help)\n", first.c_str());
  return 2;
}
