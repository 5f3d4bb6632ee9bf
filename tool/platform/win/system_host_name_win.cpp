#define _WINSOCK_DEPRECATED_NO_WARNINGS
#include <winsock2.h>

#include "platform/host_name_lookup.h"

namespace dorvane::platform {

std::string SystemHostNameFromIP(const std::string& address) {
  WSADATA data{};
  if (WSAStartup(MAKEWORD(1, 1), &data) != 0) return {};
  std::string name;
  unsigned long target = inet_addr(address.c_str());
  if (target != INADDR_NONE) {
    const hostent* host = gethostbyaddr(reinterpret_cast<const char*>(&target), 4, AF_INET);
    if (host && host->h_name) name = host->h_name;
  }
  WSACleanup();
  return name;
}

}  // namespace dorvane::platform
