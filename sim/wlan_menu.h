#pragma once
// The wireless boards' WLAN submenu (4). Like the security submenu it asks
// its questions one by one and takes each answer strictly in the form it
// asks for: a Y/N key, a line ended by CR (a choice among given values, a
// number in a range, or free text), or a key as exactly the hexadecimal
// digits the chosen encryption needs. What is asked depends on the answers
// already given:
//
//   topology (0 infrastructure, 1 adhoc), network name, channel (adhoc
//   only, 1..11), security suite (0 none, 1 WEP, 2 WPA, 3 WPA2; adhoc 0 or
//   1);
//   WEP: authentication (0/1), encryption (1 WEP 64, 2 WEP 128), display
//   key (Y/N), change key (Y/N) [key type (0 hexadecimal: 10 or 26 digits,
//   1 passphrase: a line)], TX key index (1..4);
//   WPA, WPA2: display key (Y/N), change key (Y/N) [key type (0: 64 digits,
//   1: a line)], encryption (WPA 0..1, WPA2 0..4);
//   TX data rate mode (0/1), TX data rate (0..7), and for infrastructure
//   power management (a line, Y or N).
//
// A wrong answer is logged as "unexpected" and taints the session, so the
// module then refuses to store the settings. Each accepted choice is logged
// ("wlan:topology 0"), keys only by their length.

#include <QByteArray>
#include <QList>
#include <QStringList>

#include "sim/module_firmware.h"

namespace dorvane::sim {

class WlanMenu {
 public:
  // The first question.
  ModuleReply Open();
  // One byte of the answers. Finished() tells when the last question had
  // its answer; the caller then shows the main menu.
  ModuleReply Receive(char byte);
  bool Finished() const { return m_step >= m_questions.size(); }
  bool Tainted() const { return m_tainted; }

 private:
  enum class Form { kKey, kLine, kKeyDigits };
  struct Question {
    const char* id;  // what the log calls it
    QByteArray prompt;
    Form form;
    QStringList allowed;  // kLine: the answers taken; empty: any text
  };

  ModuleReply Answered(const QByteArray& answer);
  ModuleReply Unexpected(const QByteArray& wanted, const QByteArray& got);
  ModuleReply Next(ModuleReply reply);
  // The questions the answer to the current one brings, asked next.
  void Follow(const QList<Question>& questions);
  void FollowKeyChange();

  QList<Question> m_questions;
  qsizetype m_step = 0;
  QByteArray m_answer;
  bool m_adhoc = false;
  int m_suite = 0;
  int m_wepEncryption = 1;
  int m_keyDigits = 0;
  int m_keyDigitsReceived = 0;
  bool m_tainted = false;
};

}  // namespace dorvane::sim
