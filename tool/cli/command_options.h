#pragma once
// The options of a pellarctl subcommand: positional arguments, options with
// a value ("--format json" or "--format=json") and flags ("--test").

#include <QHash>
#include <QSet>
#include <QStringList>
#include <optional>

namespace dorvane::cli {

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

}  // namespace dorvane::cli
