#include "platform/network_texts.h"

#include <algorithm>
#include <sstream>
#include <string>

namespace dorvane::platform {

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

std::vector<std::string> LeasedAddresses(std::string_view stateFile) {
  std::vector<std::string> addresses;
  std::istringstream lines{std::string(stateFile)};
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("ADDRESS=", 0) == 0) {
      addresses.push_back(line.substr(8));
      continue;
    }
    std::istringstream words(line);
    std::string keyword;
    std::string address;
    if (words >> keyword >> address && keyword == "fixed-address" && address.size() > 1 && address.back() == ';') {
      address.pop_back();
      addresses.push_back(address);
    }
  }
  return addresses;
}

bool AnyAddressLeased(const std::vector<std::string>& adapterAddresses, const std::vector<std::string>& leased) {
  return std::any_of(adapterAddresses.begin(), adapterAddresses.end(), [&](const std::string& address) {
    return std::find(leased.begin(), leased.end(), address) != leased.end();
  });
}

std::string HostNameFromHostsFile(std::string_view text, std::string_view address) {
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    line = line.substr(0, line.find('#'));
    std::istringstream fields(line);
    std::string lineAddress;
    std::string name;
    if (fields >> lineAddress >> name && lineAddress == address) return name;
  }
  return {};
}

}  // namespace dorvane::platform
