#include "discovery/discovery_codec.h"

#include "discovery/device_types.h"

namespace dorvane {

namespace {

constexpr std::size_t kCodeOffset = 3;
constexpr unsigned char kQueryCode = 0xF6;
constexpr unsigned char kReplyCode = 0xF7;
constexpr std::size_t kProductCodeOffset = 8;
constexpr std::size_t kProductCodeLength = 2;
constexpr std::size_t kMacOffset = 24;
constexpr std::size_t kMacLength = 6;

}  // namespace

std::string DiscoveryQuery() { return std::string{'\0', '\0', '\0', static_cast<char>(kQueryCode)}; }

std::string MacAddressText(std::string_view macBytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (char c : macBytes) {
    auto byte = static_cast<unsigned char>(c);
    if (!text.empty()) text += '.';
    text += kHex[byte >> 4];
    text += kHex[byte & 0x0F];
  }
  return text;
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
