#pragma once
// The modules' discovery datagrams: the query the tool sends and the rule by
// which a datagram on the discovery port counts as a module's reply.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "discovery/discovered_device.h"

namespace dorvane {

// The query goes to this port and the tool listens on it for the replies.
inline constexpr std::uint16_t DISCOVERY_PORT = 30718;
// A reply has at least this many bytes; only these are examined.
inline constexpr std::size_t kReplyLength = 30;

// The 4-byte query 00 00 00 F6.
std::string DiscoveryQuery();

// Six bytes as upper-case hexadecimal pairs joined by dots: "00.20.4A.12.34.56".
std::string MacAddressText(std::string_view macBytes);

// The row a datagram adds to the list: at least 30 bytes with 0xF7 at offset
// 3, product code at 8-9, MAC address at 24-29. Nothing for anything else
// (short, foreign, or the query itself). The address is the datagram's
// source: the payload carries none.
std::optional<DiscoveredDevice> DecodeReply(std::string_view datagram, std::string_view sourceAddress);

}  // namespace dorvane
