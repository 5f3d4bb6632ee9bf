#pragma once
// pellarctl's subcommands. Each lives in its own file and is listed once in
// command_table.cpp.

#include <QStringList>
#include <functional>
#include <vector>

namespace dorvane::cli {

// Exit codes shared by every subcommand.
enum ExitCode : int {
  kExitSuccess = 0,
  kExitRunTimeError = 1,
  kExitUsage = 2,
  kExitCommunication = 3,
  kExitCancelled = 4,
};

struct Command {
  const char* name;
  const char* synopsis;  // one line for --help
  // Runs with the arguments after the subcommand name; returns the exit code.
  std::function<int(const QStringList& arguments)> run;
  // The command reads the screen: pellarctl then starts as a GUI application
  // when a window system is there (it still opens no window).
  bool usesScreen = false;
};

const std::vector<Command>& Commands();

}  // namespace dorvane::cli
