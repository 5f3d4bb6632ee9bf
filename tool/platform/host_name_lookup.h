#pragma once
// Reverse name lookup of an IPv4 address.

#include <string>

namespace dorvane::platform {

// The host's official name, empty when it has none. When DORVANE_HOSTS_FILE
// names a file, only that hosts file is read and the network's name service
// is never asked: test runs must not send queries from the machine.
std::string GetHostNameFromIP(const std::string& address);

// The system's own lookup, without the override.
std::string SystemHostNameFromIP(const std::string& address);

}  // namespace dorvane::platform
