#include "cli/report_lines.h"

#include <QJsonDocument>
#include <QTextStream>

#include "base/string_table.h"

namespace dorvane::cli {

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
