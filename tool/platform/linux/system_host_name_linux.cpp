#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include "platform/host_name_lookup.h"

namespace dorvane::platform {

std::string SystemHostNameFromIP(const std::string& address) {
  sockaddr_in host{};
  host.sin_family = AF_INET;
  if (inet_pton(AF_INET, address.c_str(), &host.sin_addr) != 1) return {};
  char name[NI_MAXHOST] = {};
  if (getnameinfo(reinterpret_cast<const sockaddr*>(&host), sizeof host, name, sizeof name, nullptr, 0, NI_NAMEREQD) !=
      0) {
    return {};
  }
  return name;
}

}  // namespace dorvane::platform
