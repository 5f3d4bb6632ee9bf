#pragma once
// Reverse lookups in a hosts-file text ("127.0.0.1 localhost"), for test
// runs that must not ask the network's name service.

#include <string>
#include <string_view>

namespace dorvane {

// The first name the first line for the address gives; empty when none.
std::string HostNameFromHostsFile(std::string_view text, std::string_view address);

}  // namespace dorvane
