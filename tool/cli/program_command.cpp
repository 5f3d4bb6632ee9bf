// pellarctl program KIND: the command of each family in the list of
// families (families/family_list.cpp).

#include <QTextStream>

#include "cli/command_parser.h"
#include "cli/program_options.h"
#include "cli/subcommands.h"
#include "families/board_family.h"

namespace dorvane::cli {

namespace {

const char* const kUsage = "Usage: pellarctl program KIND [options]\n";

QString Kinds() {
  QStringList kinds;
  for (const BoardFamily* family : BoardFamilies()) kinds << family->command.name;
  return kinds.join(", ");
}

QString Details() {
  QString text =
      "Configures the network module of a board with the same script, runner and\n"
      "texts as its window. KIND is one of:\n\n";
  for (const BoardFamily* family : BoardFamilies()) {
    text += QString("  %1  %2\n").arg(QString(family->command.name), -18).arg(family->command.synopsis);
  }
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
  if (const BoardFamily* family = FindBoardFamily(positional.first().toStdString())) {
    return family->command.run(positional.mid(1));
  }
  return parser.Refuse("unknown board \"" + positional.first() + "\"; KIND is one of " + Kinds());
}

}  // namespace dorvane::cli
