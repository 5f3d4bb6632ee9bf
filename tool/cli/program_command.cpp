// pellarctl program BOARD: the boards' commands, each in a file of its own,
// listed here once.

#include <array>
#include <iostream>

#include "cli/program_options.h"
#include "cli/subcommands.h"

namespace dorvane::cli {

namespace {

const std::array<const BoardCommand*, 6> kBoards = {&kPellar2Command,           &kPellar6Command, &kWirelessCommand,
                                                    &kWirelessEncryptedCommand, &kQM270Command,   &kQM270XPicoCommand};

const char* const kExitCodes =
    "\nExit codes: 0 configured, 1 run-time error, 2 bad options or input,\n"
    "  3 communication failure (also a network save the board did not confirm),\n"
    "  4 cancelled or declined.\n";

void PrintUsage(std::ostream& out) {
  for (const BoardCommand* board : kBoards) out << board->usage << "\n";
  out << kExitCodes;
}

}  // namespace

int RunProgramCommand(const QStringList& arguments) {
  if (arguments.isEmpty() || arguments.first() == "--help" || arguments.first() == "-h") {
    PrintUsage(arguments.isEmpty() ? std::cerr : std::cout);
    return arguments.isEmpty() ? kExitUsage : kExitSuccess;
  }
  for (const BoardCommand* board : kBoards) {
    if (arguments.first() == board->name) return board->run(arguments.mid(1));
  }
  std::cerr << "pellarctl program: unknown board \"" << arguments.first().toStdString() << "\"\n\n";
  PrintUsage(std::cerr);
  return kExitUsage;
}

}  // namespace dorvane::cli
