#pragma once
// Get Current IP: the adapter addresses and the host name, the same for the
// main window and pellarctl.

#include <cstddef>
#include <string>
#include <vector>

namespace dorvane {

inline constexpr std::size_t kShownAdapters = 3;

struct CurrentIPFacts {
  std::vector<std::string> adapterAddresses;  // the first kShownAdapters, in the system's order
  std::string hostName;  // a blank and the reverse-lookup name of the first address; empty without one
};

// Blocks for as long as the reverse lookup takes.
CurrentIPFacts GetCurrentIP();

}  // namespace dorvane
