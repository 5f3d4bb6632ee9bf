#pragma once
// The checks of the fields every programming window shares, and the boxes
// they answer with: the programming port, device address and gateway, the
// VRA-Link settings, the reverse-network port and the data encryption key.
// Standard library only, so pellarctl refuses exactly what the windows
// refuse, with the same words.

#include <optional>
#include <string>

#include "dialogue/dialogue.h"

namespace dorvane {

// A box described in the core's terms; the windows show it, pellarctl
// prints it.
struct Message {
  std::string title;
  std::string text;
  Question::Icon icon = Question::Icon::Information;
};

struct FieldCheck {
  bool ok = true;
  InputField field = InputField::None;
  Message message;
  // Accepted values, written back into the boxes (the address also when
  // only the gateway was refused).
  std::string address;
  std::string gateway;
};

// The Program button's refusal of a port list with no entry selected (or
// the PELLAR6 list's empty entry).
Message MissingPortMessage();

// Device address and gateway, as every Program button checks them.
FieldCheck CheckAddressFields(const std::string& addressText, const std::string& gatewayText);

struct VraLinkCheck {
  bool ok = true;
  InputField field = InputField::None;
  Message message;
  std::string remoteAddress;  // accepted, three digits per field
  std::string remotePort;     // "0" for an empty box
};

// The VRA-Link Save button: port first, then the remote address.
VraLinkCheck CheckVraLink(const std::string& remoteAddressText, const std::string& remotePortText);

struct ReversePortCheck {
  bool ok = true;
  Message message;
  std::string port;  // "0" for an empty box, otherwise the number without blanks
};

// The reverse-network Save button: the port is a number from 0 to
// highestPort (65535, or 9999 for the XPort AR module), digits only, with
// blanks around it allowed; an empty box is "0". Anything else, letters
// included, is refused, because the text goes to the module as typed.
ReversePortCheck CheckReversePort(const std::string& portText, int highestPort);

// The questions a run with saved reverse settings asks first, and the one
// after a No; either way that run then stops. device names the board in the
// question ("PELLAR", "QM270").
Question ReverseNetworkQuestion(const std::string& device = "PELLAR");
Question ClearReverseNetworkQuestion();

// The data encryption key's sizes, in the order of the window's options.
enum class KeySize { Bits128, Bits192, Bits256 };

// The hexadecimal digits a key of this size has: 32, 48 or 64.
int KeyLength(KeySize size);

// The size as the modules' menus take it: "128", "192" or "256".
std::string KeyBitsText(KeySize size);

// "32-Hexadecimal (0-9, A-F)": the key box's tooltip for the size.
std::string KeyTooltip(KeySize size);

// The box for a key whose trimmed length is not the size's, or nothing.
std::optional<Message> CheckKeyLength(const std::string& key, KeySize size);

}  // namespace dorvane
