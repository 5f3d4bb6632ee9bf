#include "discovery/discovery_codec.h"

#include <array>

namespace dorvane {

namespace {

constexpr std::size_t kCodeOffset = 3;
constexpr unsigned char kQueryCode = 0xF6;
constexpr unsigned char kReplyCode = 0xF7;
constexpr std::size_t kProductCodeOffset = 8;
constexpr std::size_t kProductCodeLength = 2;
constexpr std::size_t kMacOffset = 24;
constexpr std::size_t kMacLength = 6;

constexpr char kHex[] = "0123456789ABCDEF";

struct DeviceTypeRow {
  std::string_view code;
  std::string_view text;
};

// X5 is the code of the A5 board: its text says A5 on purpose.
constexpr std::array<DeviceTypeRow, 15> kDeviceTypes = {{
    {"A1", "QM270 - A1 - XPort AR"},
    {"X1", "PELLAR - X1 - XPort 01"},
    {"X4", "PELLAR - X4 - XPort 04"},
    {"X2", "PELLAR - X2 - XPort 03/04"},
    {"X5", "PELLAR - A5 - XPort 03/04"},
    {"X6", "QM270 Rev. B - X6 - XPico"},
    {"PA", "XPico-IAP"},
    {"X7", "XPort Direct"},
    {"X8", "XPort Direct+"},
    {"E5", "XPort Pro"},
    {"E8", "XPort Pro Lx6"},
    {"X9", "PELLAR - X9 - XPort 05"},
    {"X3", "XPort 485"},
    {"XA", "Xport IAP"},
    {"P7", "PremierWave"},
}};

std::string PrintableCode(std::string_view code) {
  std::string text;
  for (char c : code) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      text += c;
    } else {
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 0x0F];
    }
  }
  return text;
}

}  // namespace

std::string DiscoveryQuery() { return std::string{'\0', '\0', '\0', static_cast<char>(kQueryCode)}; }

std::string MacAddressText(std::string_view macBytes) {
  std::string text;
  for (char c : macBytes) {
    auto byte = static_cast<unsigned char>(c);
    if (!text.empty()) text += '.';
    text += kHex[byte >> 4];
    text += kHex[byte & 0x0F];
  }
  return text;
}

std::string DeviceTypeText(std::string_view productCode) {
  for (const DeviceTypeRow& row : kDeviceTypes) {
    if (row.code == productCode) return std::string(row.text);
  }
  return PrintableCode(productCode) + " - Unknown";
}

std::optional<DiscoveredDevice> DecodeReply(std::string_view datagram, std::string_view sourceAddress) {
  // Modules send exactly 30 bytes; a longer datagram that starts like a reply
  // is taken for one rather than hiding a module with newer firmware.
  if (datagram.size() < kReplyLength) return std::nullopt;
  std::string_view examined = datagram.substr(0, kReplyLength);
  if (static_cast<unsigned char>(examined[kCodeOffset]) != kReplyCode) return std::nullopt;
  return DiscoveredDevice{MacAddressText(examined.substr(kMacOffset, kMacLength)),
                          DeviceTypeText(examined.substr(kProductCodeOffset, kProductCodeLength)),
                          std::string(sourceAddress)};
}

}  // namespace dorvane
