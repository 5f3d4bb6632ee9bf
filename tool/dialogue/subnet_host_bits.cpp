#include "dialogue/subnet_host_bits.h"

#include "dialogue/run_values.h"
#include "base/ip_address.h"

namespace dorvane {

std::string HostBitsForIndex(int index) {
  static constexpr std::array<int, 17> kHostBits = {8, 16, 24, 23, 11, 10, 9, 7, 6, 5, 4, 3, 2, 12, 13, 14, 15};
  if (index < 0 || index >= static_cast<int>(kHostBits.size())) return "0";
  return std::to_string(kHostBits[static_cast<std::size_t>(index)]);
}

void SubnetHostBits(RunValues& values, int index) { values.SetHostBitsText(HostBitsForIndex(index)); }

int SubnetMaskIndex(const std::string& mask) {
  std::optional<std::string> normalized = NormalizeIPAddress(mask);
  if (!normalized) return -1;
  for (std::size_t i = 0; i < kSubnetMasks.size(); ++i) {
    if (*normalized == kSubnetMasks[i]) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace dorvane
