// pellarctl: every function of the tool without windows, for scripting,
// batch work and black-box tests. Runs the same dialogue code as the windows.

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <vector>

#include "base/localised_text.h"
#include "cli/cli_application.h"
#include "cli/command_parser.h"
#include "cli/subcommands.h"
#include "platform/system.h"

namespace {

struct Command {
  const char* name;
  QString synopsis;  // for --help
  std::function<int(const QStringList& arguments)> run;
  // The command reads the screen: pellarctl then starts as a GUI application
  // when a window system is there (it still opens no window).
  bool usesScreen = false;
};

const std::vector<Command>& Commands() {
  using namespace dorvane::cli;
  static const std::vector<Command> commands = {
      {"discover", kDiscoverSynopsis, RunDiscover},
      {"hostinfo", kHostInfoSynopsis, RunHostInfoCommand, true},  // reads the screen
      {"monitor", kMonitorSynopsis, RunMonitorCommand},
      {"ping", kPingSynopsis, RunPingCommand},
      {"program", ProgramSynopsis(), RunProgramCommand},  // names the board kinds
  };
  return commands;
}

QString Usage() {
  QString text =
      "Usage: pellarctl [--help] [--version] <command> [options]\n\n"
      "Sets up the network modules of PELLAR boards and QM270 controllers without windows.\n\n"
      "Commands:\n";
  if (Commands().empty()) text += "  (none in this version)\n";
  // A synopsis's further lines go beneath its first.
  const QString beneath = "\n" + QString(14, ' ');
  for (const auto& command : Commands()) {
    QString synopsis = command.synopsis;
    text += QString("  %1  %2\n").arg(QString(command.name), -10).arg(synopsis.replace("\n", beneath));
  }
  text +=
      "\n\"pellarctl COMMAND --help\" shows the options of COMMAND.\n"
      "\nOptions:\n"
      "  -h, --help     Show this help and exit.\n"
      "  -v, --version  Show the version and exit.\n\n"
      "Exit codes: 0 success, 1 run-time error, 2 bad input or usage, 3 communication failure,\n"
      "4 cancelled.\n";
  return text;
}

bool UsesScreen(int argc, char* argv[]) {
  for (const auto& command : Commands()) {
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == command.name) return command.usesScreen;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::unique_ptr<QCoreApplication> app = dorvane::cli::CreateApplication(argc, argv, UsesScreen(argc, argv));
  QCoreApplication::setApplicationName("pellarctl");
  QCoreApplication::setOrganizationName("DORVANE");
  QCoreApplication::setApplicationVersion(PELLAR_VERSION_TEXT);
  // The same language as the window would open in: texts such as the
  // Missing IP Address message read as the installer knows them.
  dorvane::SetLanguageFromLocale(dorvane::platform::SystemDefaultLocaleId());
  QStringList arguments = QCoreApplication::arguments().mid(1);
  // "pellarctl help", as some other tools take it.
  if (arguments.value(0) == "help") arguments[0] = "--help";
  dorvane::cli::CommandParser parser("pellarctl", Usage());
  parser.addOption(QCommandLineOption({"v", "version"}, "Show the version and exit."));
  parser.LeaveRestToSubcommand();
  if (std::optional<int> ended = parser.Read(arguments)) return *ended;
  if (parser.isSet("version")) {
    QTextStream(stdout) << "pellarctl " << PELLAR_VERSION_TEXT << "\n";
    return dorvane::cli::kExitSuccess;
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.isEmpty()) return parser.Refuse("name a command");
  for (const auto& command : Commands()) {
    if (positional.first() == command.name) return command.run(positional.mid(1));
  }
  return parser.Refuse("unknown command \"" + positional.first() + "\"");
}
