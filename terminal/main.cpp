// DorvaneHyperTerminal: a serial terminal. The port selection window comes
// first (or the command line names the port), then the terminal window.

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "terminal/open_port_window.h"
#include "terminal/terminal_settings.h"
#include "terminal/terminal_window.h"

namespace {

constexpr const char* kProgramName = "DorvaneHyperTerminal";

std::vector<std::string> Arguments(const QStringList& arguments) {
  std::vector<std::string> result;
  for (qsizetype i = 1; i < arguments.size(); ++i) result.push_back(arguments[i].toStdString());
  return result;
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace dorvane::terminal;
  // Help and version before the window system is reached, so they work on a
  // machine without a display.
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      std::fputs(UsageText(kProgramName).c_str(), stdout);
      return 0;
    }
    if (argument == "--version") {
      std::printf("%s %s\n", kProgramName, HYPERTERMINAL_VERSION);
      return 0;
    }
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(kProgramName);
  QApplication::setOrganizationName("DORVANE");
  QApplication::setApplicationVersion(HYPERTERMINAL_VERSION);

  CommandLine line = ParseCommandLine(Arguments(QApplication::arguments()));
  if (!line.error.empty()) {
    std::fprintf(stderr, "%s\n\n%s", line.error.c_str(), UsageText(kProgramName).c_str());
    return 2;
  }

  std::unique_ptr<TerminalWindow> terminal;
  try {
    terminal = std::make_unique<TerminalWindow>();
    if (line.HasPort()) {
      bool opened = line.portNumber != 0
                        ? terminal->OpenCommPort(line.portNumber, line.baudCode, false, 8, 1)
                        : terminal->OpenCommDevice(QString::fromStdString(line.portPath), line.baudCode, false, 8, 1);
      if (!opened) return 1;
      terminal->DiscardWaitingInput();
    } else {
      OpenPortWindow selection(*terminal);
      if (selection.exec() != QDialog::Accepted) return selection.ExitCode();
    }
    if (!line.logPath.empty()) terminal->StartLog(QString::fromStdString(line.logPath));
  } catch (...) {
    ReportTrappedTerminalError(kFormLoadLabel);
    return 1;
  }
  terminal->show();
  return QApplication::exec();
}
