#pragma once
// The PELLAR2 window's field checks and the messages that end its runs,
// shared by the window and pellarctl so both say exactly the same.

#include <string>

#include "dialogue/dialogue.h"

namespace dorvane {

struct Message {
  std::string title;
  std::string text;
  Question::Icon icon = Question::Icon::Information;
};

enum class Pellar2Field { None, Address, Gateway, RemoteAddress, RemotePort, MacBox };

struct FieldCheck {
  bool ok = true;
  Pellar2Field field = Pellar2Field::None;  // where the focus goes
  Message message;
  // Accepted values, written back into the boxes (the address also when
  // only the gateway was refused).
  std::string address;
  std::string gateway;
};

// Device address and gateway, as the Program button checks them.
FieldCheck CheckPellar2Fields(const std::string& addressText, const std::string& gatewayText);

struct VraLinkCheck {
  bool ok = true;
  Pellar2Field field = Pellar2Field::None;
  Message message;
  std::string remoteAddress;  // accepted, three digits per field
  std::string remotePort;     // "0" for an empty box
};

// The VRA-Link Save button: port first, then the remote address.
VraLinkCheck CheckVraLink(const std::string& remoteAddressText, const std::string& remotePortText);

// The procedure label of a PELLAR2 run's error report.
inline constexpr const char* kPellar2RunLabel = "Pellar Program";

// The message a run ends with (none for a run-time error: that is the
// error report).
Message Pellar2EndMessage(const RunOutcome& outcome, bool network);

}  // namespace dorvane
