#include "sim/strict_menu.h"

#include <utility>

namespace dorvane::sim {

namespace {

bool IsYesNo(char byte) { return byte == 'Y' || byte == 'N' || byte == 'y' || byte == 'n'; }
bool IsHexDigit(char byte) { return QByteArray("0123456789ABCDEFabcdef").contains(byte); }

}  // namespace

ModuleReply StrictMenu::OpenWith(const QByteArray& title, const QList<Question>& questions) {
  m_questions = questions;
  m_step = 0;
  ModuleReply reply;
  reply.output = "\r\n\r\n" + title + "\r\n" + m_questions.first().prompt;
  return reply;
}

void StrictMenu::Follow(const QList<Question>& questions) {
  for (qsizetype i = 0; i < questions.size(); ++i) m_questions.insert(m_step + 1 + i, questions[i]);
}

void StrictMenu::ExpectKeyDigits(int digits, const QString& event) {
  m_keyDigits = digits;
  m_keyDigitsReceived = 0;
  m_keyEvent = event;
}

ModuleReply StrictMenu::Receive(char byte) {
  if (Finished()) return {};
  const Question& question = Current();
  switch (question.form) {
    case Form::kKey: {
      const QByteArray key(1, byte);
      if (!IsYesNo(byte)) return Unexpected("Y or N", key);
      if (!question.allowed.isEmpty() && !question.allowed.contains(QString::fromLatin1(key), Qt::CaseInsensitive)) {
        return Unexpected(question.allowed.join("|").toLatin1(), key);
      }
      return Answered(key);
    }
    case Form::kLine: {
      if (byte == '\n') return {};
      if (byte != '\r') {
        m_answer += byte;
        return {};
      }
      const QByteArray answer = std::exchange(m_answer, {});
      if (!question.allowed.isEmpty() && !question.allowed.contains(QString::fromLatin1(answer))) {
        return Unexpected(question.allowed.join("|").toLatin1(), answer);
      }
      return Answered(answer);
    }
    case Form::kKeyDigits: return KeyDigit(byte);
  }
  return {};
}

ModuleReply StrictMenu::KeyDigit(char byte) {
  if (!IsHexDigit(byte)) return Unexpected("a hexadecimal key digit", QByteArray(1, byte));
  ++m_keyDigitsReceived;
  ModuleReply reply;
  // Key entry echoes a star, as a password prompt does.
  reply.output = "*";
  // One log line per pair, as the tool sends them.
  reply.answerEnded = m_keyDigitsReceived % 2 == 0;
  if (m_keyDigitsReceived < m_keyDigits) return reply;
  reply.events << m_keyEvent.arg(m_keyDigits / 2);
  return Next(reply);
}

ModuleReply StrictMenu::Next(ModuleReply reply) {
  ++m_step;
  if (!Finished()) {
    const QByteArray prompt = m_questions[m_step].prompt;
    reply.output += prompt.startsWith("\r\n") ? prompt : "\r\n" + prompt;
  }
  return reply;
}

ModuleReply StrictMenu::Unexpected(const QByteArray& wanted, const QByteArray& got) {
  m_tainted = true;
  ModuleReply reply;
  reply.answerEnded = true;
  reply.events << QString("unexpected:%1 wants %2, got \"%3\"")
                      .arg(QString::fromLatin1(Current().id), QString::fromLatin1(wanted), QString::fromLatin1(got));
  reply.output = "?\r\n" + Current().prompt;
  return reply;
}

}  // namespace dorvane::sim
