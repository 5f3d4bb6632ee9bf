#include "widgets/field_checks.h"

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

// The VRA-Link port box takes digits only; a long run of them is above
// 65535 too.
bool PortAbove65535(const std::string& port) {
  std::string digits = port;
  while (digits.size() > 1 && digits.front() == '0') digits.erase(0, 1);
  if (digits.size() > 5) return true;
  for (char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return true;
  }
  return std::stol(digits) > 65535;
}

// The leading number of the text: blanks, a sign and digits; whatever
// follows is ignored, and a text without digits is 0.
bool LeadingNumberAbove(const std::string& text, long highest) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return false;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
    if (!negative && value > highest) return true;
  }
  return false;
}

}  // namespace

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
  if (PortAbove65535(port)) {
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
  check.port = Trim(portText).empty() ? "0" : portText;
  if (LeadingNumberAbove(check.port, highestPort)) {
    check.ok = false;
    check.message = {"Reverse Network Port Number", LoadText(1072), Question::Icon::Information};
  }
  return check;
}

int KeyLength(KeySize size) {
  switch (size) {
    case KeySize::Bits192: return 48;
    case KeySize::Bits256: return 64;
    case KeySize::Bits128: break;
  }
  return 32;
}

std::string KeyTooltip(KeySize size) { return std::to_string(KeyLength(size)) + "-Hexadecimal (0-9, A-F)"; }

std::optional<Message> CheckKeyLength(const std::string& key, KeySize size) {
  int length = KeyLength(size);
  if (Trim(key).size() == static_cast<std::size_t>(length)) return std::nullopt;
  return Message{LoadText(1074), LoadText(1075) + " " + std::to_string(length) + " " + LoadText(1076),
                 Question::Icon::Information};
}

}  // namespace dorvane
