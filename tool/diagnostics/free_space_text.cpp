#include "diagnostics/free_space_text.h"

#include <charconv>

namespace dorvane {

std::string FreeSpaceText(std::uint64_t freeBytes) {
  double gigabytes = static_cast<double>(freeBytes) / 1024.0 / 1024.0 / 1024.0;
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, gigabytes, std::chars_format::fixed, 2);
  if (ec != std::errc()) return "0.00 GB";
  return std::string(buffer, end) + " GB";
}

}  // namespace dorvane
