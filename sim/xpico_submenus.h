#pragma once
// The XPico's setup submenus, each asked one question at a time and
// answered strictly (sim/strict_menu.h); each returns to the main menu
// after its last question. What they ask:
//
// - server (0): the address's four fields (three digits each), the gateway
//   key (Y brings the gateway's four fields), the netmask as host bits,
//   then four keys answered N: the Telnet password (firmware 6.8 and
//   later), AutoIP, the DHCP name (only for the addresses 0.0.0.0 and
//   0.0.1.0) and the DHCP FQDN option (6.8 and later);
// - channel 1 (1): baud (57600 or 115200), interface 4C, flow 00, the local
//   port (0..65535), connect mode (06 or C0), the modem keys Y, N, N, the
//   remote address 000.000.000.000, the remote port, and seven line
//   settings at their fixed values;
// - Ethernet (5): seven settings at their fixed values (two of them keys),
//   then the Ethernet type (0, 2, 3, 4 or 5);
// - security (6): SNMP Y, its community N, Telnet N, port 77FEh either (kept
//   enabled on 6.10 and later: its read-only question, taken with a bare
//   CR), TFTP, web and ECHO Y, the encryption (Y: key length, change keys Y,
//   the key's digits in pairs), the enhanced password N, port 77F0h Y.
//
// The answers the tool chooses are logged ("address:192.168.001.010",
// "local-port:10001", "ethernet:2", "encryption:128", "key:16 pairs");
// a key never by its digits.

#include <QByteArray>

#include "sim/device_options.h"
#include "sim/strict_menu.h"

namespace dorvane::sim {

class XPicoSubmenu : public StrictMenu {
 public:
  // choice: 0, 1, 5 or 6 (Exists).
  XPicoSubmenu(const DeviceOptions& options, int choice);

  static bool Exists(int choice);
  // The title and the first question.
  ModuleReply Open();

 private:
  ModuleReply Answered(const QByteArray& answer) override;
  // The address's or gateway's fields so far; the event and the address's
  // consequences once the fourth is in.
  void AddressField(const QByteArray& id, const QByteArray& answer, ModuleReply& reply);

  int m_firmware;
  int m_choice;
  QByteArrayList m_fields;
  bool m_unsetAddress = false;  // 0.0.0.0 or 0.0.1.0: the DHCP name is asked
};

}  // namespace dorvane::sim
