#pragma once
// The modules' discovery datagrams: the query the tool sends, the rule by
// which a datagram on the discovery port counts as a module's reply, and the
// device a reply describes, with the device-type text of its product code.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dorvane {

// One module that answered the discovery query, as the listing shows it.
struct DiscoveredDevice {
  std::string macAddress;  // "00.20.4A.12.34.56"
  std::string deviceType;  // the device-type table's text for the product code
  std::string ipAddress;   // the reply's source address, dotted
};

// The query goes to this port and the tool listens on it for the replies.
inline constexpr std::uint16_t DISCOVERY_PORT = 30718;
// A reply has at least this many bytes; only these are examined.
inline constexpr std::size_t kReplyLength = 30;

// The 4-byte query 00 00 00 F6.
std::string DiscoveryQuery();

// Six bytes as upper-case hexadecimal pairs joined by dots: "00.20.4A.12.34.56".
std::string MacAddressText(std::string_view macBytes);

// The text of the fixed device-type table for a two-character product code,
// compared exactly (upper and lower case distinct). Any other code gives the
// code followed by " - Unknown"; bytes outside printable ASCII are written as
// \xHH there, so no control character or broken UTF-8 reaches a listing.
std::string DeviceTypeText(std::string_view productCode);

// The row a datagram adds to the list: at least 30 bytes with 0xF7 at offset
// 3, product code at 8-9, MAC address at 24-29. Nothing for anything else
// (short, foreign, or the query itself). The address is the datagram's
// source: the payload carries none.
std::optional<DiscoveredDevice> DecodeReply(std::string_view datagram, std::string_view sourceAddress);

}  // namespace dorvane
