// markloom-cli: batch access to the editor's engines.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_table.h"

namespace {

void printHelp() {
  auto commands = markloom::cli::commandTable();
  std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  std::printf("Usage: markloom-cli COMMAND [ARGS...]\n       markloom-cli --help | --version\n\nCommands:\n");
  for (const auto& c : commands) std::printf("  %-60s %s\n", c.usage.c_str(), c.summary.c_str());
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
  for (const auto& command : markloom::cli::commandTable()) {
    if (command.name == first) return command.run(std::vector<std::string>(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "markloom-cli: unknown command '%s' (see --help)\n", first.c_str());
  return 2;
}
