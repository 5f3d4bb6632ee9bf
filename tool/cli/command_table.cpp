#include "cli/command_table.h"

namespace dorvane::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {};
  return commands;
}

}  // namespace dorvane::cli
