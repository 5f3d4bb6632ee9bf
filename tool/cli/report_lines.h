#pragma once
// How pellarctl prints the values of a window: one "label: value" line per
// value, with the window's own label in the current language.

#include <QJsonObject>
#include <QString>
#include <string>

class QTextStream;

namespace dorvane::cli {

// Text id of the label, and the value as the window shows it (with or
// without its leading blank). An empty value gives "Label:".
QString LabelLine(int labelTextId, const std::string& value);

// The value without the leading blank the window puts before it.
QString PlainValue(const std::string& value);

void PrintJson(QTextStream& out, const QJsonObject& object);

}  // namespace dorvane::cli
