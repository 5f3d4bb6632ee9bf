#pragma once
// pellarctl's subcommands (one file each, listed in main.cpp) and what they
// share: the exit codes, the reading of their options and the printing of
// a window's values.

#include <QHash>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSet>
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
inline constexpr const char* kDiscoverSynopsis = "Find the modules on the local network (UDP discovery query)";
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

// pellarctl program: configures a board with the same script, runner and
// texts as its window.
int RunProgramCommand(const QStringList& arguments);

// The options of a subcommand: positional arguments, options with a value
// ("--format json" or "--format=json") and flags ("--test").
struct CommandOptions {
  QStringList positional;
  QHash<QString, QString> values;
  QSet<QString> flags;
};

// Nothing, with the reason in error, for an unknown option or a missing value.
std::optional<CommandOptions> ParseCommandOptions(const QStringList& arguments, const QStringList& valueOptions,
                                                  const QStringList& flagOptions, QString& error);

enum class OutputFormat { kText, kJson };

// --format: "text" (the default) or "json".
std::optional<OutputFormat> FormatOption(const CommandOptions& options, QString& error);

// How pellarctl prints the values of a window: one "label: value" line per
// value, with the window's own label in the current language. Text id of the
// label, and the value as the window shows it (with or without its leading
// blank). An empty value gives "Label:".
QString LabelLine(int labelTextId, const std::string& value);

// The value without the leading blank the window puts before it.
QString PlainValue(const std::string& value);

void PrintJson(QTextStream& out, const QJsonObject& object);

}  // namespace dorvane::cli
