#pragma once
// The network interfaces of the caller's network namespace, for the adapter
// facts of the Linux side.

#include <optional>
#include <string>
#include <vector>

namespace dorvane::platform {

struct LinuxInterface {
  unsigned index = 0;
  bool up = false;
  bool loopback = false;
  std::vector<std::string> ipv4;  // dotted, in the kernel's order (primary first)
};

// In interface-index order; nothing when the kernel will not list them.
std::optional<std::vector<LinuxInterface>> InterfacesInIndexOrder();

}  // namespace dorvane::platform
