#pragma once
// The encrypted board's security submenu. Unlike the rest of the setup menu,
// which swallows whatever it is given, it asks its questions one by one and
// takes each answer strictly in the form it asks for: a Y/N key, a line
// ended by CR, or the data key as exactly the digits its size needs. A
// wrong answer is logged as "unexpected" (with what was wanted) and taints
// the session, so the module then refuses to store the settings; the tool's
// answer order is what is under test.

#include <QByteArray>
#include <QList>

#include "sim/device_options.h"
#include "sim/module_firmware.h"

namespace dorvane::sim {

// "V6.10.0" -> 610; anything unreadable counts as the newest firmware.
int FirmwareNumber(const QString& firmware);

class SecurityMenu {
 public:
  // withEncryption: the board has data encryption (the encrypted boards);
  // without it there is no encryption question.
  explicit SecurityMenu(const DeviceOptions& options, bool withEncryption = true);

  // The first question.
  ModuleReply Open();
  // One byte of the answers. Finished() tells when the last question had
  // its answer; the caller then shows the main menu.
  ModuleReply Receive(char byte);
  bool Finished() const { return m_step >= m_questions.size(); }
  // An answer did not fit its question.
  bool Tainted() const { return m_tainted; }

 private:
  enum class Form { kKey, kLine, kKeyDigits };
  struct Question {
    const char* id;  // what the log calls it
    QByteArray prompt;
    Form form;
  };

  ModuleReply Answered(const QByteArray& answer);
  ModuleReply Unexpected(const QByteArray& wanted, const QByteArray& got);
  ModuleReply Next(ModuleReply reply);
  void Insert(const Question& question);

  bool m_afterV610;
  QList<Question> m_questions;
  qsizetype m_step = 0;
  QByteArray m_answer;
  int m_keyDigits = 32;
  int m_keyDigitsReceived = 0;
  bool m_tainted = false;
};

}  // namespace dorvane::sim
