#include "cli/command_table.h"

#include "cli/discover_command.h"

namespace dorvane::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"discover", kDiscoverSynopsis, RunDiscover},
  };
  return commands;
}

}  // namespace dorvane::cli
