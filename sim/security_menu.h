#pragma once
// The encrypted boards' security submenu, asked one question at a time and
// answered strictly (sim/strict_menu.h): SNMP, Telnet, port 77FEh (with its
// access question on firmware 6.10 and later when it stays enabled), TFTP,
// the web server (new firmware only), ECHO, the data encryption with its
// key length and key, the enhanced password and port 77F0h. A board without
// data encryption (the plain wireless board) asks no encryption question.

#include <QByteArray>
#include <QList>

#include "sim/device_options.h"
#include "sim/strict_menu.h"

namespace dorvane::sim {

// "V6.10.0" -> 610; anything unreadable counts as the newest firmware.
int FirmwareNumber(const QString& firmware);

class SecurityMenu : public StrictMenu {
 public:
  // withEncryption: the board has data encryption (the encrypted boards);
  // without it there is no encryption question.
  explicit SecurityMenu(const DeviceOptions& options, bool withEncryption = true);

  // The first question.
  ModuleReply Open();

 private:
  ModuleReply Answered(const QByteArray& answer) override;

  bool m_afterV610;
  QList<Question> m_opening;
};

}  // namespace dorvane::sim
