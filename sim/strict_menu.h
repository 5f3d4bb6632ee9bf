#pragma once
// A submenu that asks its questions one by one and takes each answer
// strictly in the form it asks for: a Y/N key (either, or only the given
// one), a line ended by CR (one of given values, or any text), or a key as
// exactly the hexadecimal digits it needs. A wrong answer is logged as "unexpected" (with what was wanted),
// the question is asked again, and the session is tainted, so the module
// then refuses to store the settings; the tool's answer order is what is
// under test. Each menu adds its questions and the ones an answer brings.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "sim/module_firmware.h"

namespace dorvane::sim {

class StrictMenu {
 public:
  enum class Form { kKey, kLine, kKeyDigits };
  struct Question {
    const char* id;  // what the log calls it
    QByteArray prompt;
    Form form;
    // kLine: the answers taken, empty: any text; kKey: the keys taken (as
    // capitals), empty: Y or N.
    QStringList allowed = {};
  };

  virtual ~StrictMenu() = default;

  // One byte of the answers. Finished() tells when the last question had
  // its answer; the caller then shows the main menu.
  ModuleReply Receive(char byte);
  bool Finished() const { return m_step >= m_questions.size(); }
  // An answer did not fit its question.
  bool Tainted() const { return m_tainted; }

 protected:
  // The menu's title and its first question.
  ModuleReply OpenWith(const QByteArray& title, const QList<Question>& questions);
  // The current question's answer, taken in its form: the menu's rules
  // (follow-up questions, further checks, log events), then Next.
  virtual ModuleReply Answered(const QByteArray& answer) = 0;
  // Asks the next question after the reply's own output.
  ModuleReply Next(ModuleReply reply);
  ModuleReply Unexpected(const QByteArray& wanted, const QByteArray& got);
  // Questions asked right after the current one, in this order.
  void Follow(const QList<Question>& questions);
  // The next kKeyDigits question takes this many digits; its last pair logs
  // event (with %1 the number of pairs).
  void ExpectKeyDigits(int digits, const QString& event);
  const Question& Current() const { return m_questions[m_step]; }
  QList<Question>& Questions() { return m_questions; }

 private:
  ModuleReply KeyDigit(char byte);

  QList<Question> m_questions;
  qsizetype m_step = 0;
  QByteArray m_answer;
  int m_keyDigits = 32;
  int m_keyDigitsReceived = 0;
  QString m_keyEvent = "key:%1 pairs";
  bool m_tainted = false;
};

}  // namespace dorvane::sim
