#include "platform/linux/interfaces_linux.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>
#include <map>
#include <memory>

namespace dorvane::platform {

std::optional<std::vector<LinuxInterface>> InterfacesInIndexOrder() {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return std::nullopt;
  std::unique_ptr<ifaddrs, decltype(&freeifaddrs)> owner(list, &freeifaddrs);
  std::map<unsigned, LinuxInterface> byIndex;
  for (ifaddrs* entry = list; entry; entry = entry->ifa_next) {
    // An address with a label ("eth0:1") belongs to the interface before the colon.
    std::string name = entry->ifa_name;
    name = name.substr(0, name.find(':'));
    unsigned index = if_nametoindex(name.c_str());
    if (index == 0) continue;
    LinuxInterface& interface = byIndex[index];
    interface.index = index;
    interface.up = interface.up || (entry->ifa_flags & IFF_UP);
    interface.loopback = interface.loopback || (entry->ifa_flags & IFF_LOOPBACK);
    if (entry->ifa_addr && entry->ifa_addr->sa_family == AF_INET) {
      char text[INET_ADDRSTRLEN] = {};
      const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
      if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) interface.ipv4.push_back(text);
    }
  }
  std::vector<LinuxInterface> interfaces;
  for (auto& [index, interface] : byIndex) interfaces.push_back(std::move(interface));
  return interfaces;
}

}  // namespace dorvane::platform
