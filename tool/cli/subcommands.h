#pragma once
// pellarctl's subcommands (one file each, listed in main.cpp) and what they
// share: the exit codes, the --format option and the printing of a
// window's values.

#include <QCommandLineOption>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

class QTextStream;

namespace dorvane::cli {

// What pellarctl did without saying so on its output, for QT_LOGGING_RULES
// "dorvane.cli.info=true".
Q_DECLARE_LOGGING_CATEGORY(lcCli)

// Exit codes shared by every subcommand.
enum ExitCode : int {
  kExitSuccess = 0,
  kExitRunTimeError = 1,
  kExitUsage = 2,
  kExitCommunication = 3,
  kExitCancelled = 4,
};

// The subcommands: each runs with the arguments after its name and returns
// the exit code.

// pellarctl discover: the main window's discovery, printed instead of listed.
// 0 when the query went out, whatever answered; 2 for bad options; 3 when
// discovery could not look (port taken, send failed).
inline constexpr const char* kDiscoverSynopsis =
    "Find the modules on the local network by UDP discovery (--format text|csv|json)";
int RunDiscover(const QStringList& arguments);

// pellarctl hostinfo [--test]: the main window's host facts (Get Current IP)
// and, with --test, its system test results.
extern const char* const kHostInfoSynopsis;
int RunHostInfoCommand(const QStringList& arguments);

// pellarctl ping ADDRESS: the main window's Start Ping without the window.
// 0 when the address answered ("IP Success"), 3 otherwise, 2 for a bad
// address (after text 1045, as the window shows it) or bad usage.
extern const char* const kPingSynopsis;
int RunPingCommand(const QStringList& arguments);

// pellarctl monitor ADDRESS [--kind ethernet|wireless]: the monitor-mode
// exchange of frmMonitorModeInput, each command's answer printed instead of
// shown. 0 when the exchange ran (a command the module refused included),
// 2 for a bad address (text 1045) or bad usage, 3 without a connection.
extern const char* const kMonitorSynopsis;
int RunMonitorCommand(const QStringList& arguments);

// pellarctl program KIND: configures a board with the same script, runner
// and texts as its window. Its synopsis names every board kind.
QString ProgramSynopsis();
int RunProgramCommand(const QStringList& arguments);

class CommandParser;

// The forms a command prints in: text for a person (discover's table),
// json for scripts, and csv where the command prints a table.
enum class OutputFormat { kText, kCsv, kJson };

// --format: "text" (the default), "json", and "csv" for a command that
// prints a table (printsTable). Nothing, or the exit code of a refusal that
// names the forms the command takes.
std::optional<int> ReadFormatOption(const CommandParser& parser, bool printsTable, OutputFormat& format);

// The --format option as every command declares it.
QCommandLineOption FormatOption(bool printsTable);

// How pellarctl prints the values of a window: one "label: value" line per
// value, with the window's own label in the current language. Text id of the
// label, and the value as the window shows it (with or without its leading
// blank). An empty value gives "Label:".
QString LabelLine(int labelTextId, const std::string& value);

// The value without the leading blank the window puts before it.
QString PlainValue(const std::string& value);

void PrintJson(QTextStream& out, const QJsonObject& object);

}  // namespace dorvane::cli
