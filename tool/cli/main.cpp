// pellarctl: every function of the tool without windows, for scripting,
// batch work and black-box tests. Runs the same dialogue code as the windows.

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <vector>

#include "base/localised_text.h"
#include "cli/cli_application.h"
#include "cli/subcommands.h"
#include "platform/system.h"

namespace {

struct Command {
  const char* name;
  const char* synopsis;  // one line for --help
  std::function<int(const QStringList& arguments)> run;
  // The command reads the screen: pellarctl then starts as a GUI application
  // when a window system is there (it still opens no window).
  bool usesScreen = false;
};

const std::vector<Command>& Commands() {
  using namespace dorvane::cli;
  static const std::vector<Command> commands = {
      {"discover", kDiscoverSynopsis, RunDiscover},
      {"hostinfo", kHostInfoSynopsis, RunHostInfoCommand, true},
      {"monitor", kMonitorSynopsis, RunMonitorCommand},
      {"ping", kPingSynopsis, RunPingCommand},
      {"program", "Configure a board: program pellar2|pellar6 ... (program --help)", RunProgramCommand},
  };
  return commands;
}

QString Usage() {
  QString text =
      "Usage: pellarctl [--help] [--version] <command> [options]\n\n"
      "Sets up the network modules of PELLAR boards and QM270 controllers without windows.\n\n"
      "Commands:\n";
  if (Commands().empty()) text += "  (none in this version)\n";
  for (const auto& command : Commands()) {
    text += QString("  %1  %2\n").arg(QString(command.name), -10).arg(command.synopsis);
  }
  text +=
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
  QTextStream out(stdout);
  QTextStream err(stderr);

  QStringList arguments = QCoreApplication::arguments().mid(1);
  if (arguments.isEmpty()) {
    err << Usage();
    return dorvane::cli::kExitUsage;
  }
  const QString first = arguments.first();
  if (first == "-h" || first == "--help" || first == "help") {
    out << Usage();
    return dorvane::cli::kExitSuccess;
  }
  if (first == "-v" || first == "--version") {
    out << "pellarctl " << PELLAR_VERSION_TEXT << "\n";
    return dorvane::cli::kExitSuccess;
  }
  for (const auto& command : Commands()) {
    if (first == command.name) {
      out.flush();
      return command.run(arguments.mid(1));
    }
  }
  err << "pellarctl: unknown command \"" << first << "\"\n\n" << Usage();
  return dorvane::cli::kExitUsage;
}
