#pragma once
// The adapter records of GetAdaptersInfo, shared by the adapter addresses
// and the DHCP check.

#include <vector>

namespace dorvane::platform {

// The chain in one buffer, its first record at the start; empty when the
// system has no adapter data.
std::vector<unsigned char> AdapterChain();

}  // namespace dorvane::platform
