#include "platform/linux/interfaces_linux.h"
#include "platform/network_adapters.h"

namespace dorvane::platform {

std::vector<std::string> AdapterAddresses() {
  std::vector<std::string> addresses;
  std::optional<std::vector<LinuxInterface>> interfaces = InterfacesInIndexOrder();
  if (!interfaces) return addresses;
  for (const LinuxInterface& interface : *interfaces) {
    // An interface that is down is a disabled adapter, which Windows does
    // not list either; one that is up without an address shows 0.0.0.0 as a
    // disconnected Windows adapter does.
    if (interface.loopback || !interface.up) continue;
    addresses.push_back(interface.ipv4.empty() ? "0.0.0.0" : interface.ipv4.front());
  }
  return addresses;
}

}  // namespace dorvane::platform
