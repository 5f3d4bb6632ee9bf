#include "cli/subcommands.h"

#include <QJsonDocument>
#include <QTextStream>

#include "base/localised_text.h"

namespace dorvane::cli {

Q_LOGGING_CATEGORY(lcCli, "dorvane.cli", QtWarningMsg)

std::optional<CommandOptions> ParseCommandOptions(const QStringList& arguments, const QStringList& valueOptions,
                                                  const QStringList& flagOptions, QString& error) {
  CommandOptions options;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (!argument.startsWith("--")) {
      options.positional << argument;
      continue;
    }
    QString name = argument.section('=', 0, 0);
    if (flagOptions.contains(argument)) {
      options.flags << argument;
    } else if (valueOptions.contains(name) && argument.contains('=')) {
      options.values[name] = argument.section('=', 1);
    } else if (valueOptions.contains(argument) && i + 1 < arguments.size()) {
      options.values[argument] = arguments[++i];
    } else if (valueOptions.contains(argument)) {
      error = QString("option %1 needs a value").arg(argument);
      return std::nullopt;
    } else {
      error = QString("unknown option %1").arg(argument);
      return std::nullopt;
    }
  }
  return options;
}

std::optional<OutputFormat> FormatOption(const CommandOptions& options, QString& error) {
  QString format = options.values.value("--format", "text");
  if (format == "text") return OutputFormat::kText;
  if (format == "json") return OutputFormat::kJson;
  error = QString("unknown format \"%1\" (text or json)").arg(format);
  return std::nullopt;
}

QString PlainValue(const std::string& value) {
  QString text = QString::fromStdString(value);
  return text.startsWith(' ') ? text.mid(1) : text;
}

QString LabelLine(int labelTextId, const std::string& value) {
  QString plain = PlainValue(value);
  QString label = QString::fromStdString(LoadText(labelTextId)) + ":";
  return plain.isEmpty() ? label : label + " " + plain;
}

void PrintJson(QTextStream& out, const QJsonObject& object) {
  out << QJsonDocument(object).toJson(QJsonDocument::Indented);
}

}  // namespace dorvane::cli
