#include "programming/field_checks.h"

#include <cctype>

#include "base/ip_address.h"
#include "base/localised_text.h"
#include "base/text_trim.h"

namespace dorvane {

namespace {

std::string Trim(const std::string& text) { return std::string(TrimBlanks(text, " \t")); }

FieldCheck Refuse(InputField field, int textId) {
  FieldCheck check;
  check.ok = false;
  check.field = field;
  check.message = {LoadText(1047), LoadText(textId), Question::Icon::Critical};
  return check;
}

VraLinkCheck RefuseVra(InputField field, int textId) {
  VraLinkCheck check;
  check.ok = false;
  check.field = field;
  check.message = {"VRA-Link Settings", LoadText(textId), Question::Icon::Information};
  return check;
}

// Digits only, and no more than highest; a long run of digits (past any
// leading zeros) is above it too.
bool PortNumberFits(const std::string& port, long highest) {
  std::string digits = port;
  while (digits.size() > 1 && digits.front() == '0') digits.erase(0, 1);
  if (digits.empty() || digits.size() > 5) return false;
  for (char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return std::stol(digits) <= highest;
}

}  // namespace

Message MissingPortMessage() {
  return {"Missing Information", "You must select a programming port or network address", Question::Icon::Information};
}

FieldCheck CheckAddressFields(const std::string& addressText, const std::string& gatewayText) {
  std::string address = Trim(addressText);
  if (address.empty()) return Refuse(InputField::Address, 1036);
  std::optional<std::string> normalized = ValidateIPAddress(address);
  if (!normalized) return Refuse(InputField::Address, 1035);
  FieldCheck check;
  check.address = *normalized;
  std::string gateway = Trim(gatewayText);
  if (gateway.empty()) {
    check.gateway = "000.000.000.000";
  } else {
    std::optional<std::string> gatewayNormalized = ValidateIPAddress(gateway);
    if (!gatewayNormalized) {
      // The address was accepted before the gateway was looked at, and is
      // written back all the same.
      FieldCheck refused = Refuse(InputField::Gateway, 1038);
      refused.address = check.address;
      return refused;
    }
    check.gateway = *gatewayNormalized;
  }
  return check;
}

VraLinkCheck CheckVraLink(const std::string& remoteAddressText, const std::string& remotePortText) {
  std::string port = Trim(remotePortText);
  if (port.empty()) port = "0";
  if (!PortNumberFits(port, 65535)) {
    VraLinkCheck check = RefuseVra(InputField::RemotePort, 1072);
    check.remotePort = port;
    return check;
  }
  std::string address = Trim(remoteAddressText);
  if (address.empty()) {
    VraLinkCheck check = RefuseVra(InputField::RemoteAddress, 1036);
    check.remotePort = port;
    return check;
  }
  std::optional<std::string> normalized = ValidateIPAddress(address);
  if (!normalized) {
    VraLinkCheck check = RefuseVra(InputField::RemoteAddress, 1035);
    check.remotePort = port;
    return check;
  }
  VraLinkCheck check;
  check.remoteAddress = *normalized;
  check.remotePort = port;
  return check;
}

ReversePortCheck CheckReversePort(const std::string& portText, int highestPort) {
  ReversePortCheck check;
  std::string port = Trim(portText);
  check.port = port.empty() ? "0" : port;
  if (!port.empty() && !PortNumberFits(port, highestPort)) {
    check.ok = false;
    check.message = {"Reverse Network Port Number", LoadText(1072), Question::Icon::Information};
  }
  return check;
}

Question ReverseNetworkQuestion(const std::string& device) {
  return {"Reverse Network Settings",
          "This " + device + " will be programmed as Reverse Network Settings\r\n\r\nDo you wish to continue?",
          Question::Icon::Question, Question::Buttons::YesNoDefaultNo};
}

Question ClearReverseNetworkQuestion() {
  return {"Clear Reverse Network Settings", "Do you want to clear the Reverse Network Settings?",
          Question::Icon::Question, Question::Buttons::YesNoDefaultNo};
}

int KeyLength(KeySize size) {
  switch (size) {
    case KeySize::Bits192: return 48;
    case KeySize::Bits256: return 64;
    case KeySize::Bits128: break;
  }
  return 32;
}

std::string KeyBitsText(KeySize size) { return std::to_string(KeyLength(size) * 4); }

std::string KeyTooltip(KeySize size) { return std::to_string(KeyLength(size)) + "-Hexadecimal (0-9, A-F)"; }

std::optional<Message> CheckKeyLength(const std::string& key, KeySize size) {
  int length = KeyLength(size);
  if (Trim(key).size() == static_cast<std::size_t>(length)) return std::nullopt;
  return Message{LoadText(1074), LoadText(1075) + " " + std::to_string(length) + " " + LoadText(1076),
                 Question::Icon::Information};
}

}  // namespace dorvane
