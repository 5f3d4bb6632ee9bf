#pragma once
// The computer's network adapters, as Get Current IP shows them.

#include <string>
#include <vector>

namespace dorvane::platform {

// The first IPv4 address of every adapter in the system's order, "0.0.0.0"
// for an adapter without one; empty when the system gives no adapter data.
// Windows: every adapter GetAdaptersInfo lists. Linux: every interface that
// is up, except loopback, in interface-index order (the order of `ip addr`).
std::vector<std::string> AdapterAddresses();

}  // namespace dorvane::platform
