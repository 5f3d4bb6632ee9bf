#define _WINSOCK_DEPRECATED_NO_WARNINGS
// winsock2.h must come before windows.h, iphlpapi.h after both.
// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

#include <cstdint>
#include <vector>

#include "diagnostics/mac_address_text.h"
#include "platform/neighbour_address.h"

namespace dorvane::platform {

std::optional<std::string> GetRemoteMACAddress(const std::string& address) {
  IPAddr target = inet_addr(address.c_str());
  if (target == 0) return std::nullopt;
  ULONG hardware[2] = {};
  ULONG length = 6;
  if (SendARP(target, 0, hardware, &length) != NO_ERROR || length == 0) return std::nullopt;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(hardware);
  return MacAddressText(std::vector<std::uint8_t>(bytes, bytes + length));
}

}  // namespace dorvane::platform
