#pragma once
// The hardware address of a neighbour on the local network.

#include <optional>
#include <string>

namespace dorvane::platform {

// "00-20-4A-0A-0B-0C" from the host's ARP service; nothing when it knows no
// address for the host (no answer, off the local network, or 0.0.0.0).
std::optional<std::string> GetRemoteMACAddress(const std::string& address);

}  // namespace dorvane::platform
