#include "sim/xpico_record_loader.h"

#include <algorithm>
#include <utility>

namespace dorvane::sim {

namespace {

constexpr int kDataRecord = 0x10;
constexpr int kEndRecord = 0x01;
// A digest names this many runs of equal bytes at most.
constexpr int kDigestRuns = 6;

bool IsHexDigit(char byte) { return QByteArray("0123456789ABCDEFabcdef").contains(byte); }

QString Hex(int value, int digits) { return QString::number(value, 16).toUpper().rightJustified(digits, '0'); }

}  // namespace

QString XPicoRecordLoader::Digest(int start, const QByteArray& bytes) {
  QString text = QString("%1 bytes at %2").arg(bytes.size()).arg(Hex(start, 4));
  QStringList runs;
  for (qsizetype i = 0; i < bytes.size();) {
    qsizetype end = i;
    while (end < bytes.size() && bytes[end] == bytes[i]) ++end;
    const QString value = Hex(static_cast<unsigned char>(bytes[i]), 2);
    if (runs.size() == kDigestRuns) {
      runs << "...";
      break;
    }
    runs << (end - i == 1 ? value : QString("%1 x %2").arg(end - i).arg(value));
    i = end;
  }
  if (!runs.isEmpty()) text += ": " + runs.join(" then ");
  return text;
}

ModuleReply XPicoRecordLoader::Enter() {
  m_step = Step::kCommand;
  m_input.clear();
  m_records = 0;
  m_data.clear();
  m_fault.clear();
  ModuleReply reply;
  reply.output = "M\r\nRecord mode\r\n> ";
  reply.events << "record-mode";
  reply.answerEnded = true;
  return reply;
}

ModuleReply XPicoRecordLoader::Receive(char byte) {
  switch (m_step) {
    case Step::kCommand: return CommandLine(byte, R"(S7\n)", "record-command", Step::kRecords, "\r\nReady\r\n");
    case Step::kRecords: return RecordByte(byte);
    case Step::kTrailer: return CommandLine(byte, R"(\n)", "record-trailer", Step::kRestartCommand, "\r\n> ");
    case Step::kRestartCommand:
      return CommandLine(byte, "RS", "restart-command", Step::kRestarting, "\r\nRestarting ...\r\n");
    case Step::kRestarting: return {};
  }
  return {};
}

// A line feed is part of the line: the tool's `\n` is two characters, and
// a real line feed in its place is the fault to catch.
ModuleReply XPicoRecordLoader::CommandLine(char byte, const QByteArray& wanted, const char* id, Step next,
                                           const QByteArray& output) {
  if (byte != '\r') {
    m_input += byte;
    return {};
  }
  const QByteArray line = std::exchange(m_input, {});
  if (line != wanted) return Unexpected(id, wanted + " and CR", line);
  m_step = next;
  ModuleReply reply;
  reply.output = line + output;
  reply.answerEnded = true;
  if (next == Step::kRestarting) reply.events << "restart";
  return reply;
}

ModuleReply XPicoRecordLoader::RecordByte(char byte) {
  if (m_input.isEmpty() && byte != ':') return Unexpected("record", "\":\" to start a record", QByteArray(1, byte));
  if (!m_input.isEmpty() && !IsHexDigit(byte)) {
    const QByteArray got = std::exchange(m_input, {}) + byte;
    if (m_fault.isEmpty()) m_fault = QString("record %1 was cut short").arg(m_records + 1);
    return Unexpected("record", "a hexadecimal digit", got);
  }
  m_input += byte;
  // ":" and the count's two digits tell the record's length.
  if (m_input.size() < 3) return {};
  const int count = m_input.mid(1, 2).toInt(nullptr, 16);
  if (m_input.size() < 11 + 2 * count) return {};
  return RecordComplete();
}

ModuleReply XPicoRecordLoader::RecordComplete() {
  const QByteArray text = std::exchange(m_input, {});
  const QByteArray bytes = QByteArray::fromHex(text.mid(1));
  const int number = ++m_records;
  const int count = static_cast<unsigned char>(bytes[0]);
  const int address = static_cast<unsigned char>(bytes[1]) * 256 + static_cast<unsigned char>(bytes[2]);
  const int type = static_cast<unsigned char>(bytes[3]);
  ModuleReply reply;
  reply.answerEnded = true;
  int sum = 0;
  for (const char b : bytes) sum += static_cast<unsigned char>(b);
  if (sum % 256 != 0) {
    const int checksum = static_cast<unsigned char>(bytes.back());
    const int wanted = (256 - (sum - checksum) % 256) % 256;
    reply.events << QString("record-checksum:record %1 at %2 has checksum %3, wants %4")
                        .arg(number)
                        .arg(Hex(address, 4), Hex(checksum, 2), Hex(wanted, 2));
    if (m_fault.isEmpty()) m_fault = QString("checksum of record %1").arg(number);
  }
  if (type == kDataRecord) {
    m_data.append({address, bytes.mid(4, count)});
    return reply;
  }
  if (type == kEndRecord) {
    reply.Append(EndOfRecords());
    return reply;
  }
  if (m_fault.isEmpty()) m_fault = QString("type %1 of record %2").arg(Hex(type, 2)).arg(number);
  reply.Append(Unexpected("record", "type 10 or 01", text));
  return reply;
}

ModuleReply XPicoRecordLoader::EndOfRecords() {
  m_step = Step::kTrailer;
  ModuleReply reply;
  reply.answerEnded = true;
  std::sort(m_data.begin(), m_data.end(),
            [](const DataRecord& a, const DataRecord& b) { return a.address < b.address; });
  const int start = m_data.isEmpty() ? 0 : m_data.first().address;
  QByteArray block;
  for (const DataRecord& record : std::as_const(m_data)) {
    if (record.address != start + block.size() && m_fault.isEmpty()) {
      m_fault = QString("the records leave a gap or overlap at %1").arg(Hex(record.address, 4));
    }
    block += record.bytes;
  }
  if (!m_fault.isEmpty()) {
    reply.events << "record-not-written:" + m_fault;
    reply.output = "\r\nError\r\n";
    return reply;
  }
  reply.events << "record-block:" + Digest(start, block);
  reply.output = "\r\nOK\r\n";
  return reply;
}

ModuleReply XPicoRecordLoader::Unexpected(const char* id, const QByteArray& wanted, const QByteArray& got) {
  if (m_fault.isEmpty()) m_fault = QString("%1 was not as wanted").arg(QString::fromLatin1(id));
  ModuleReply reply;
  reply.answerEnded = true;
  reply.events << QString("unexpected:%1 wants %2, got \"%3\"")
                      .arg(QString::fromLatin1(id), QString::fromLatin1(wanted), QString::fromLatin1(got));
  reply.output = "\r\n?\r\n";
  return reply;
}

}  // namespace dorvane::sim
