#include "sim/receive_log.h"

#include <cstdio>

namespace dorvane::sim {

ReceiveLog::ReceiveLog() { m_clock.start(); }

bool ReceiveLog::Open(const QString& path, QString& whyNot) {
  if (path.isEmpty()) return true;
  const bool opened = path == "-" ? m_file.open(stderr, QIODevice::WriteOnly)
                                  : (m_file.setFileName(path), m_file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  if (!opened) whyNot = QString("cannot write the log %1: %2").arg(path, m_file.errorString());
  return opened;
}

QByteArray ReceiveLog::JsonString(const QByteArray& bytes) {
  QByteArray text = "\"";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      text += '\\';
      text += c;
    } else if (c == '\r') {
      text += "\\r";
    } else if (c == '\n') {
      text += "\\n";
    } else if (byte >= 0x20 && byte < 0x7F) {
      text += c;
    } else {
      text += "\\u00" + QByteArray::number(byte, 16).rightJustified(2, '0');
    }
  }
  return text + '"';
}

void ReceiveLog::Data(const char* link, int port, const QByteArray& bytes, const Fields& extra) {
  Fields fields{{"link", QString(link)}, {"port", port}};
  fields += extra;
  fields.append({"data", bytes});
  Write(fields);
}

void ReceiveLog::Event(const char* event, const char* link, const Fields& extra) {
  Fields fields{{"event", QString(event)}, {"link", QString(link)}};
  fields += extra;
  Write(fields);
}

void ReceiveLog::Write(const Fields& fields) {
  if (!m_file.isOpen()) return;
  QByteArray line = "{\"t\": " + QByteArray::number(m_clock.nsecsElapsed() / 1e9, 'f', 3);
  for (const auto& [key, value] : fields) {
    line += ", " + JsonString(key) + ": ";
    if (value.typeId() == QMetaType::Int) {
      line += QByteArray::number(value.toInt());
    } else if (value.typeId() == QMetaType::QByteArray) {
      line += JsonString(value.toByteArray());
    } else {
      line += JsonString(value.toString().toUtf8());
    }
  }
  line += "}\n";
  m_file.write(line);
  m_file.flush();
}

}  // namespace dorvane::sim
