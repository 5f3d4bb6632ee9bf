#pragma once
// ICMP echo requests and the messages that may answer them, as bytes, for
// the platform sides that speak ICMP through sockets themselves.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dorvane {

// The ones' complement sum of RFC 1071 over the bytes.
std::uint16_t InternetChecksum(std::string_view bytes);

// Type 8 with identifier, sequence number and data, checksum filled in.
std::string EchoRequest(std::uint16_t identifier, std::uint16_t sequence, std::string_view data);

enum class IcmpAnswerKind { kUnrelated, kEchoReply, kError };

struct IcmpAnswer {
  IcmpAnswerKind kind = IcmpAnswerKind::kUnrelated;
  std::string data;         // echo reply: the echoed data
  std::int32_t status = 0;  // error: the ping status it stands for
};

// Classifies one received message against our request. A raw socket sees
// the IP header first and every ICMP message of the host, so the identifier
// must match; a datagram socket sees neither (the kernel has matched the
// identifier), so identifier is then nothing. Messages with a bad checksum
// or for another request are unrelated.
IcmpAnswer ReadIcmpAnswer(std::string_view message, bool withIpHeader, std::optional<std::uint16_t> identifier,
                          std::uint16_t sequence);

// The sequence number of an echo request we sent, as the error queue of a
// datagram socket returns it; nothing for anything else.
std::optional<std::uint16_t> EchoRequestSequence(std::string_view request);

}  // namespace dorvane
