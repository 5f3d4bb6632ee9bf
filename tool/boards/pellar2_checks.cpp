#include "boards/pellar2_checks.h"

#include <cctype>

#include "base/ip_address.h"
#include "base/string_table.h"

namespace dorvane {

namespace {

std::string Trim(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

FieldCheck Refuse(Pellar2Field field, int textId) {
  FieldCheck check;
  check.ok = false;
  check.field = field;
  check.message = {LoadText(1047), LoadText(textId), Question::Icon::Critical};
  return check;
}

VraLinkCheck RefuseVra(Pellar2Field field, int textId) {
  VraLinkCheck check;
  check.ok = false;
  check.field = field;
  check.message = {"VRA-Link Settings", LoadText(textId), Question::Icon::Information};
  return check;
}

// The port box takes digits only; a long run of them is above 65535 too.
bool PortAbove65535(const std::string& port) {
  std::string digits = port;
  while (digits.size() > 1 && digits.front() == '0') digits.erase(0, 1);
  if (digits.size() > 5) return true;
  for (char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return true;
  }
  return std::stol(digits) > 65535;
}

}  // namespace

FieldCheck CheckPellar2Fields(const std::string& addressText, const std::string& gatewayText) {
  std::string address = Trim(addressText);
  if (address.empty()) return Refuse(Pellar2Field::Address, 1036);
  std::optional<std::string> normalized = NormalizeIPAddress(address);
  if (!normalized) return Refuse(Pellar2Field::Address, 1035);
  FieldCheck check;
  check.address = *normalized;
  std::string gateway = Trim(gatewayText);
  if (gateway.empty()) {
    check.gateway = "000.000.000.000";
  } else {
    std::optional<std::string> gatewayNormalized = NormalizeIPAddress(gateway);
    if (!gatewayNormalized) {
      // The address was accepted before the gateway was looked at, and is
      // written back all the same.
      FieldCheck refused = Refuse(Pellar2Field::Gateway, 1038);
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
    VraLinkCheck check = RefuseVra(Pellar2Field::RemotePort, 1072);
    check.remotePort = port;
    return check;
  }
  std::string address = Trim(remoteAddressText);
  if (address.empty()) {
    VraLinkCheck check = RefuseVra(Pellar2Field::RemoteAddress, 1036);
    check.remotePort = port;
    return check;
  }
  std::optional<std::string> normalized = NormalizeIPAddress(address);
  if (!normalized) {
    VraLinkCheck check = RefuseVra(Pellar2Field::RemoteAddress, 1035);
    check.remotePort = port;
    return check;
  }
  VraLinkCheck check;
  check.remoteAddress = *normalized;
  check.remotePort = port;
  return check;
}

Message Pellar2EndMessage(const RunOutcome& outcome, bool network) {
  using Kind = RunOutcome::Kind;
  switch (outcome.kind) {
    case Kind::Completed:
      if (network) {
        return {"Program PELLAR2 device via Network Connection", "Your PELLAR2 device has been configured.",
                Question::Icon::Information};
      }
      return {LoadText(1043), LoadText(1044), Question::Icon::Information};
    case Kind::Cancelled:
      return {"Cancel Pellar Program", "Cancelled Pellar Programming", Question::Icon::Information};
    case Kind::ArpFailure:
      return {"Program Pellar Device",
              "Problem with the setup of the Pellar Device (ARP Failure), Please Contact Dorvane Inc.",
              Question::Icon::Critical};
    case Kind::CommunicationFailure:
      return {"Communication Failure", "Failed to communicate with Pellar Device", Question::Icon::Critical};
    case Kind::InputRejected:
      return {"Program PELLAR2 via ARP", LoadText(1039), Question::Icon::Critical};
    case Kind::RunTimeError:
      break;
  }
  return {};
}

}  // namespace dorvane
