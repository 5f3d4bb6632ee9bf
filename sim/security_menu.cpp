#include "sim/security_menu.h"

#include <QRegularExpression>

namespace dorvane::sim {

namespace {

bool IsYesNo(char byte) { return byte == 'Y' || byte == 'N' || byte == 'y' || byte == 'n'; }
bool IsYes(const QByteArray& answer) { return answer.toUpper() == "Y"; }
bool IsHexDigit(char byte) { return QByteArray("0123456789ABCDEFabcdef").contains(byte); }

}  // namespace

int FirmwareNumber(const QString& firmware) {
  const QRegularExpressionMatch match = QRegularExpression(R"(^V?(\d+)\.(\d+))").match(firmware);
  if (!match.hasMatch()) return 9999;
  return match.captured(1).toInt() * 100 + match.captured(2).toInt();
}

SecurityMenu::SecurityMenu(const DeviceOptions& options, bool withEncryption)
    : m_afterV610(FirmwareNumber(options.firmware) >= 610) {
  m_questions = {
      {"snmp", "Disable SNMP (N) ? ", Form::kKey},
      {"snmp-community", "Change SNMP community name (N) ? ", Form::kKey},
      {"telnet", "Disable Telnet Setup (N) ? ", Form::kKey},
      {"port-77fe", "Disable Port 77FEh (N) ? ", Form::kKey},
      {"tftp", "Disable TFTP Firmware Update (N) ? ", Form::kKey},
  };
  // The older greeting belongs to firmware without a web server to lock.
  if (options.banner == BannerStyle::kNew) m_questions.append({"web", "Disable Web Server (N) ? ", Form::kKey});
  m_questions.append({"echo", "Disable ECHO ports (Y) ? ", Form::kKey});
  if (withEncryption) m_questions.append({"encryption", "Enable Encryption (N) ? ", Form::kKey});
  m_questions.append({"enhanced-password", "Enable Enhanced Password (N) ? ", Form::kKey});
  m_questions.append({"port-77f0", "Disable Port 77F0h (N) ? ", Form::kKey});
}

void SecurityMenu::Insert(const Question& question) { m_questions.insert(m_step + 1, question); }

ModuleReply SecurityMenu::Open() {
  ModuleReply reply;
  reply.output = "\r\n\r\nSecurity\r\n" + m_questions.first().prompt;
  return reply;
}

ModuleReply SecurityMenu::Receive(char byte) {
  if (Finished()) return {};
  const Question& question = m_questions[m_step];
  switch (question.form) {
    case Form::kKey:
      if (IsYesNo(byte)) return Answered(QByteArray(1, byte));
      return Unexpected("Y or N", QByteArray(1, byte));
    case Form::kLine:
      if (byte == '\n') return {};
      if (byte != '\r') {
        m_answer += byte;
        return {};
      }
      return Answered(std::exchange(m_answer, {}));
    case Form::kKeyDigits: {
      if (!IsHexDigit(byte)) return Unexpected("a hexadecimal key digit", QByteArray(1, byte));
      m_answer += byte;
      ++m_keyDigitsReceived;
      ModuleReply reply;
      // Key entry echoes a star, as a password prompt does.
      reply.output = "*";
      // One log line per pair, as the tool sends them.
      reply.answerEnded = m_keyDigitsReceived % 2 == 0;
      if (m_keyDigitsReceived < m_keyDigits) return reply;
      reply.events << QString("key:%1 pairs").arg(m_keyDigits / 2);
      m_answer.clear();
      return Next(reply);
    }
  }
  return {};
}

ModuleReply SecurityMenu::Answered(const QByteArray& answer) {
  const Question question = m_questions[m_step];
  ModuleReply reply;
  reply.output = answer;
  reply.answerEnded = true;
  const QByteArray id = question.id;
  if (id == "port-77fe" && !IsYes(answer) && m_afterV610) {
    Insert({"port-77fe-access", "\r\nPort 77FEh access (R/W) ? ", Form::kLine});
  } else if (id == "encryption" && IsYes(answer)) {
    Insert({"key-length", "\r\nKey length in bits (128): ", Form::kLine});
  } else if (id == "key-length") {
    bool ok = false;
    const int bits = answer.trimmed().toInt(&ok);
    if (!ok || (bits != 128 && bits != 192 && bits != 256)) return Unexpected("128, 192 or 256", answer);
    m_keyDigits = bits / 4;
    m_keyDigitsReceived = 0;
    reply.events << QString("encryption:%1").arg(bits);
    Insert({"change-keys", "\r\nChange keys (N) ? ", Form::kKey});
  } else if (id == "change-keys" && IsYes(answer)) {
    Insert({"key", "\r\nEnter Key: ", Form::kKeyDigits});
  }
  return Next(reply);
}

ModuleReply SecurityMenu::Next(ModuleReply reply) {
  ++m_step;
  if (!Finished()) {
    const QByteArray prompt = m_questions[m_step].prompt;
    reply.output += prompt.startsWith("\r\n") ? prompt : "\r\n" + prompt;
  }
  return reply;
}

ModuleReply SecurityMenu::Unexpected(const QByteArray& wanted, const QByteArray& got) {
  m_tainted = true;
  ModuleReply reply;
  reply.answerEnded = true;
  reply.events << QString("unexpected:%1 wants %2, got \"%3\"")
                      .arg(QString::fromLatin1(m_questions[m_step].id), QString::fromLatin1(wanted),
                           QString::fromLatin1(got));
  reply.output = "?\r\n" + m_questions[m_step].prompt;
  return reply;
}

}  // namespace dorvane::sim
