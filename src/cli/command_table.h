#pragma once
// The commands of markloom-cli. Each command file registers itself with a
// static CommandRegistration, so adding a command touches no other file.
#include <functional>
#include <string>
#include <vector>

namespace markloom::cli {

struct Command {
  std::string name;
  std::string usage;    // one line, shown by --help
  std::string summary;  // one line, shown by --help
  // Arguments after the command name; returns the exit status.
  std::function<int(const std::vector<std::string>& args)> run;
};

std::vector<Command>& commandTable();

struct CommandRegistration {
  explicit CommandRegistration(Command command) { commandTable().push_back(std::move(command)); }
};

}  // namespace markloom::cli
