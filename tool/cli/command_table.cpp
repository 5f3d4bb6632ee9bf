#include "cli/command_table.h"

#include "cli/discover_command.h"
#include "cli/hostinfo_command.h"
#include "cli/ping_command.h"
#include "cli/program_command.h"

namespace dorvane::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"discover", kDiscoverSynopsis, RunDiscover},
      {"hostinfo", kHostInfoSynopsis, RunHostInfoCommand, true},
      {"ping", kPingSynopsis, RunPingCommand},
      {"program", "Configure a board: program pellar2 ... (program --help)", RunProgramCommand},
  };
  return commands;
}

}  // namespace dorvane::cli
