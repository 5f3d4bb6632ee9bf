#include "cli/command_table.h"

#include "cli/hostinfo_command.h"
#include "cli/ping_command.h"

namespace dorvane::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"ping", kPingSynopsis, RunPingCommand},
      {"hostinfo", kHostInfoSynopsis, RunHostInfoCommand, true},
  };
  return commands;
}

}  // namespace dorvane::cli
