#include "cli/subcommands.h"

#include <QJsonDocument>
#include <QTextStream>

#include "base/localised_text.h"
#include "cli/command_parser.h"

namespace dorvane::cli {

Q_LOGGING_CATEGORY(lcCli, "dorvane.cli", QtWarningMsg)

namespace {

QString FormatNames(bool printsTable) { return printsTable ? "text, csv or json" : "text or json"; }

}  // namespace

QCommandLineOption FormatOption(bool printsTable) {
  return {"format", "Output form: " + FormatNames(printsTable) + ".", "FORMAT", "text"};
}

std::optional<int> ReadFormatOption(const CommandParser& parser, bool printsTable, OutputFormat& format) {
  const QString name = parser.value("format");
  // "table" is what discover called its text before the forms were one
  // vocabulary; scripts written then still run.
  if (name == "text" || (printsTable && name == "table")) {
    format = OutputFormat::kText;
  } else if (name == "json") {
    format = OutputFormat::kJson;
  } else if (name == "csv" && printsTable) {
    format = OutputFormat::kCsv;
  } else {
    return parser.Refuse("--format takes " + FormatNames(printsTable) + ", not \"" + name + "\"");
  }
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
