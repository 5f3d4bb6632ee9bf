// pellarctl program BOARD: the boards' commands, each in a file of its own,
// listed here once.

#include <QTextStream>
#include <array>

#include "cli/command_parser.h"
#include "cli/program_options.h"
#include "cli/subcommands.h"

namespace dorvane::cli {

namespace {

const std::array<const BoardCommand*, 6> kBoards = {&kPellar2Command,           &kPellar6Command, &kWirelessCommand,
                                                    &kWirelessEncryptedCommand, &kQM270Command,   &kQM270XPicoCommand};

const char* const kUsage = "Usage: pellarctl program KIND [options]\n";

QString Kinds() {
  QStringList kinds;
  for (const BoardCommand* board : kBoards) kinds << board->name;
  return kinds.join(", ");
}

QString Details() {
  QString text =
      "Configures the network module of a board with the same script, runner and\n"
      "texts as its window. KIND is one of:\n\n";
  for (const BoardCommand* board : kBoards)
    text += QString("  %1  %2\n").arg(QString(board->name), -18).arg(board->synopsis);
  text +=
      "\n\"pellarctl program KIND --help\" shows the options of KIND.\n"
      "\n"
      "Exit codes: 0 configured, 1 run-time error, 2 bad options or input,\n"
      "  3 communication failure (also a network save the board did not confirm),\n"
      "  4 cancelled or declined.\n";
  return text;
}

}  // namespace

QString ProgramSynopsis() {
  return "Configure a board: program KIND [options] (program KIND --help)\nKIND: " + Kinds();
}

int RunProgramCommand(const QStringList& arguments) {
  CommandParser parser("pellarctl program", kUsage, Details());
  parser.LeaveRestToSubcommand();
  if (std::optional<int> ended = parser.Read(arguments)) return *ended;
  const QStringList positional = parser.positionalArguments();
  if (positional.isEmpty()) return parser.Refuse("name the board: KIND is one of " + Kinds());
  for (const BoardCommand* board : kBoards) {
    if (positional.first() == board->name) return board->run(positional.mid(1));
  }
  return parser.Refuse("unknown board \"" + positional.first() + "\"; KIND is one of " + Kinds());
}

}  // namespace dorvane::cli
