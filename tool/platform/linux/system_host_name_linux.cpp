#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/host_name_lookup.h"

namespace dorvane::platform {

namespace {

bool IsOwnAddress(const in_addr& address) {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return false;
  bool own = false;
  for (ifaddrs* entry = list; entry && !own; entry = entry->ifa_next) {
    if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET) continue;
    own = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr == address.s_addr;
  }
  freeifaddrs(list);
  return own;
}

}  // namespace

std::string SystemHostNameFromIP(const std::string& address) {
  sockaddr_in host{};
  host.sin_family = AF_INET;
  if (inet_pton(AF_INET, address.c_str(), &host.sin_addr) != 1) return {};
  char name[NI_MAXHOST] = {};
  if (getnameinfo(reinterpret_cast<const sockaddr*>(&host), sizeof host, name, sizeof name, nullptr, 0, NI_NAMEREQD) ==
      0) {
    return name;
  }
  // Windows names the computer's own addresses after the computer even
  // without a DNS entry; installers expect the same here.
  if (IsOwnAddress(host.sin_addr) && gethostname(name, sizeof name) == 0) {
    name[sizeof name - 1] = '\0';
    return name;
  }
  return {};
}

}  // namespace dorvane::platform
