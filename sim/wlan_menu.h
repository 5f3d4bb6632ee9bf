#pragma once
// The wireless boards' WLAN submenu (4), asked one question at a time and
// answered strictly (sim/strict_menu.h). What is asked depends on the
// answers already given:
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
// Each accepted answer is logged ("wlan:topology 0"); keys only by their
// length.

#include <QByteArray>

#include "sim/strict_menu.h"

namespace dorvane::sim {

class WlanMenu : public StrictMenu {
 public:
  // The first question.
  ModuleReply Open();

 private:
  ModuleReply Answered(const QByteArray& answer) override;

  bool m_adhoc = false;
  int m_suite = 0;
  int m_wepEncryption = 1;
};

}  // namespace dorvane::sim
