#pragma once
// A neighbour's hardware address as the ping box shows it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dorvane {

// "00-20-4A-0A-0B-0C": each byte as two upper-case hex digits joined by
// "-". Nothing when the answer holds no address: no bytes, or the first four
// all zero (what an unresolved entry carries).
std::optional<std::string> MacAddressText(const std::vector<std::uint8_t>& bytes);

}  // namespace dorvane
