#include "diagnostics/arp_table_text.h"

#include <sstream>
#include <string>

namespace dorvane {

namespace {

constexpr unsigned long kCompleteFlag = 0x2;  // ATF_COM

std::vector<std::uint8_t> ParseHardwareAddress(const std::string& text) {
  std::vector<std::uint8_t> bytes;
  std::istringstream parts(text);
  std::string part;
  while (std::getline(parts, part, ':')) {
    if (part.empty() || part.size() > 2) return {};
    std::size_t used = 0;
    unsigned long value = 0;
    try {
      value = std::stoul(part, &used, 16);
    } catch (...) {
      return {};
    }
    if (used != part.size()) return {};
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  return bytes;
}

}  // namespace

std::vector<std::uint8_t> HardwareAddressFromArpTable(std::string_view table, std::string_view address) {
  std::istringstream lines{std::string(table)};
  std::string line;
  std::getline(lines, line);  // column titles
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string ip, type, flags, hardware;
    if (!(fields >> ip >> type >> flags >> hardware) || ip != address) continue;
    unsigned long flagBits = 0;
    try {
      flagBits = std::stoul(flags, nullptr, 16);
    } catch (...) {
      continue;
    }
    if (!(flagBits & kCompleteFlag)) continue;
    std::vector<std::uint8_t> bytes = ParseHardwareAddress(hardware);
    if (!bytes.empty()) return bytes;
  }
  return {};
}

}  // namespace dorvane
