#include "sim/wlan_menu.h"

#include <utility>

namespace dorvane::sim {

namespace {

bool IsYesNo(char byte) { return byte == 'Y' || byte == 'N' || byte == 'y' || byte == 'n'; }
bool IsHexDigit(char byte) { return QByteArray("0123456789ABCDEFabcdef").contains(byte); }

QStringList Range(int first, int last) {
  QStringList values;
  for (int i = first; i <= last; ++i) values << QString::number(i);
  return values;
}

}  // namespace

ModuleReply WlanMenu::Open() {
  m_questions = {{"topology", "Topology 0=Infrastructure, 1=Adhoc (0) ? ", Form::kLine, Range(0, 1)}};
  m_step = 0;
  ModuleReply reply;
  reply.output = "\r\n\r\nWLAN\r\n" + m_questions.first().prompt;
  return reply;
}

void WlanMenu::Follow(const QList<Question>& questions) {
  for (qsizetype i = 0; i < questions.size(); ++i) m_questions.insert(m_step + 1 + i, questions[i]);
}

ModuleReply WlanMenu::Receive(char byte) {
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
      ++m_keyDigitsReceived;
      ModuleReply reply;
      reply.output = "*";
      reply.answerEnded = m_keyDigitsReceived % 2 == 0;
      if (m_keyDigitsReceived < m_keyDigits) return reply;
      reply.events << QString("wlan:key %1 pairs").arg(m_keyDigits / 2);
      return Next(reply);
    }
  }
  return {};
}

void WlanMenu::FollowKeyChange() {
  Follow({{"key-type", "\r\nKey type 0=hexadecimal, 1=passphrase (0) ? ", Form::kLine, Range(0, 1)}});
}

ModuleReply WlanMenu::Answered(const QByteArray& answer) {
  const Question question = m_questions[m_step];
  const QString text = QString::fromLatin1(answer);
  if (question.form == Form::kLine && !question.allowed.isEmpty() && !question.allowed.contains(text)) {
    return Unexpected(question.allowed.join("|").toLatin1(), answer);
  }
  ModuleReply reply;
  reply.output = answer;
  reply.answerEnded = true;
  const QByteArray id = question.id;
  const int value = text.toInt();
  if (id != "passphrase") reply.events << QString("wlan:%1 %2").arg(QString::fromLatin1(id), text);
  if (id == "topology") {
    m_adhoc = value == 1;
    QList<Question> next = {{"network-name", "\r\nNetwork name (SSID) () ? ", Form::kLine, {}}};
    if (m_adhoc) next.append({"channel", "\r\nChannel (1) ? ", Form::kLine, Range(1, 11)});
    next.append({"security", "\r\nSecurity suite 0=none, 1=WEP, 2=WPA, 3=WPA2/802.11i (0) ? ", Form::kLine,
                 Range(0, m_adhoc ? 1 : 3)});
    Follow(next);
  } else if (id == "security") {
    m_suite = value;
    QList<Question> after = {{"tx-rate-mode", "\r\nTX data rate 0=fixed, 1=auto fallback (1) ? ", Form::kLine,
                              Range(0, 1)},
                             {"tx-rate", "\r\nTX data rate 0..7 (3) ? ", Form::kLine, Range(0, 7)}};
    if (!m_adhoc) after.append({"power-management", "\r\nEnable power management (N) ? ", Form::kLine, {"Y", "N"}});
    Follow(after);
    if (m_suite == 1) {
      Follow({{"authentication", "\r\nAuthentication 0=open/none, 1=shared (0) ? ", Form::kLine, Range(0, 1)},
              {"wep-encryption", "\r\nEncryption 1=WEP64, 2=WEP128 (1) ? ", Form::kLine, Range(1, 2)},
              {"display-key", "\r\nDisplay current key (N) ? ", Form::kKey, {}},
              {"change-key", "\r\nChange key (N) ? ", Form::kKey, {}},
              {"tx-key-index", "\r\nTX key index (1) ? ", Form::kLine, Range(1, 4)}});
    } else if (m_suite >= 2) {
      Follow({{"display-key", "\r\nDisplay current key (N) ? ", Form::kKey, {}},
              {"change-key", "\r\nChange key (N) ? ", Form::kKey, {}},
              {"wpa-encryption", "\r\nEncryption (0) ? ", Form::kLine, Range(0, m_suite == 2 ? 1 : 4)}});
    }
  } else if (id == "wep-encryption") {
    m_wepEncryption = value;
  } else if (id == "change-key" && answer.toUpper() == "Y") {
    FollowKeyChange();
  } else if (id == "key-type") {
    if (value == 0) {
      m_keyDigits = m_suite == 1 ? (m_wepEncryption == 2 ? 26 : 10) : 64;
      m_keyDigitsReceived = 0;
      Follow({{"key", "\r\nEnter Key: ", Form::kKeyDigits, {}}});
    } else {
      Follow({{"passphrase", "\r\nPassphrase: ", Form::kLine, {}}});
    }
  } else if (id == "passphrase") {
    reply.events << QString("wlan:passphrase %1 characters").arg(answer.size());
  }
  return Next(reply);
}

ModuleReply WlanMenu::Next(ModuleReply reply) {
  ++m_step;
  if (!Finished()) {
    const QByteArray prompt = m_questions[m_step].prompt;
    reply.output += prompt.startsWith("\r\n") ? prompt : "\r\n" + prompt;
  }
  return reply;
}

ModuleReply WlanMenu::Unexpected(const QByteArray& wanted, const QByteArray& got) {
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
