#include "diagnostics/mac_address_text.h"

#include <algorithm>

namespace dorvane {

std::optional<std::string> MacAddressText(const std::vector<std::uint8_t>& bytes) {
  if (bytes.empty()) return std::nullopt;
  auto firstFour = bytes.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(4, bytes.size()));
  if (std::all_of(bytes.begin(), firstFour, [](std::uint8_t b) { return b == 0; })) return std::nullopt;
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t b : bytes) {
    if (!text.empty()) text += '-';
    text += kDigits[b >> 4];
    text += kDigits[b & 0x0f];
  }
  return text;
}

}  // namespace dorvane
