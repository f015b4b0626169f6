#include "cli/command_table.h"

namespace markloom::cli {

std::vector<Command>& commandTable() {
  static std::vector<Command> table;
  return table;
}

}  // namespace markloom::cli
