#include "cli/command_parser.h"

#include <QTextStream>

#include "cli/subcommands.h"

namespace dorvane::cli {

CommandParser::CommandParser(QString command, QString usage, QString details)
    : m_command(std::move(command)), m_usage(std::move(usage)), m_details(std::move(details)) {
  addOption(QCommandLineOption({"h", "help"}, "Show this help and exit."));
}

void CommandParser::LeaveRestToSubcommand() { setOptionsAfterPositionalArgumentsMode(ParseAsPositionalArguments); }

std::optional<int> CommandParser::Read(const QStringList& arguments) {
  if (!parse(QStringList{m_command} + arguments)) return Refuse(errorText());
  if (!isSet("help")) return std::nullopt;
  QTextStream(stdout) << Help();
  return kExitSuccess;
}

int CommandParser::Refuse(const QString& why) const {
  QTextStream(stderr) << m_command << ": " << why << "\n\n" << m_usage;
  return kExitUsage;
}

QString CommandParser::Help() const { return m_details.isEmpty() ? m_usage : m_usage + "\n" + m_details; }

}  // namespace dorvane::cli
