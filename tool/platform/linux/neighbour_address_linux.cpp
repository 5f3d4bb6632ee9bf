#include <arpa/inet.h>

#include <fstream>
#include <sstream>

#include "diagnostics/arp_table_text.h"
#include "diagnostics/mac_address_text.h"
#include "platform/neighbour_address.h"

namespace dorvane::platform {

std::optional<std::string> GetRemoteMACAddress(const std::string& address) {
  in_addr target{};
  if (inet_pton(AF_INET, address.c_str(), &target) != 1 || target.s_addr == 0) return std::nullopt;
  // The echo has just made the kernel resolve an on-link neighbour; the
  // entry it keeps is the answer. The table belongs to the caller's network
  // namespace.
  std::ifstream file("/proc/net/arp");
  std::ostringstream table;
  table << file.rdbuf();
  return MacAddressText(HardwareAddressFromArpTable(table.str(), address));
}

}  // namespace dorvane::platform
