#pragma once
// How every pellarctl command and subcommand reads its arguments: options
// with a value ("--format json" or "--format=json"), flags, positional
// arguments, and -h/--help, which every command answers with its own usage.
// A refusal names the command and ends with its usage, so the installer
// reads the same form whichever command was mistyped.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace dorvane::cli {

// Qt's parser underneath, so "--opt VALUE", "--opt=VALUE" and the refusal
// of an unknown option or a missing value read alike everywhere; only the
// declaring and the reading of options are passed on, so no command can
// reach Qt's own help, which would print a text of Qt's making and exit.
class CommandParser : private QCommandLineParser {
 public:
  // command: the words that call it ("pellarctl program qm270"). usage: what
  // a refusal ends with and --help starts with; details: what --help adds
  // after it (the options, the exit codes).
  CommandParser(QString command, QString usage, QString details = {});

  using QCommandLineParser::addOption;
  using QCommandLineParser::addOptions;
  using QCommandLineParser::isSet;
  using QCommandLineParser::positionalArguments;
  using QCommandLineParser::value;

  // Everything after the first positional argument is left positional: the
  // command hands it to the subcommand that argument names.
  void LeaveRestToSubcommand();

  // Nothing when the command goes on; otherwise the exit code it ends with:
  // 0 after --help (printed on standard output), 2 after an unknown option,
  // a missing value or a value given to a flag.
  std::optional<int> Read(const QStringList& arguments);

  // "COMMAND: why", then the usage, on standard error; exit 2.
  int Refuse(const QString& why) const;

  // What --help prints.
  QString Help() const;

 private:
  QString m_command;
  QString m_usage;
  QString m_details;
};

}  // namespace dorvane::cli
