#pragma once
// ICMP echo requests and the messages that may answer them, as bytes, for
// the platform sides that speak ICMP through sockets themselves; and the
// ping status numbering of the Windows ICMP service, which both platform
// sides report in.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace dorvane::platform {

enum IpStatus : std::int32_t {
  kBadIpFormat = -1,
  kIpSuccess = 0,
  kPingTimeout = 300,
  kIpBufferTooSmall = 11001,
  kIpDestNetUnreachable = 11002,
  kIpDestHostUnreachable = 11003,
  kIpDestProtocolUnreachable = 11004,
  kIpDestPortUnreachable = 11005,
  kIpNoResources = 11006,
  kIpBadOption = 11007,
  kIpHardwareError = 11008,
  kIpPacketTooBig = 11009,
  kIpRequestTimedOut = 11010,
  kIpBadRequest = 11011,
  kIpBadRoute = 11012,
  kIpTtlExpiredTransit = 11013,
  kIpTtlExpiredReassembly = 11014,
  kIpParameterProblem = 11015,
  kIpSourceQuench = 11016,
  kIpOptionTooBig = 11017,
  kIpBadDestination = 11018,
  kIpAddressDeleted = 11019,
  kIpSpecMtuChange = 11020,
  kIpMtuChange = 11021,
  kIpUnload = 11022,
  kIpAddressAdded = 11023,
  kIpGeneralFailure = 11050,
  kIpPending = 11255,
};

// The answer to one echo request, as the platform's ICMP service gives it.
struct EchoReply {
  std::int32_t status = kIpGeneralFailure;
  std::uint32_t roundTripMs = 0;
  std::string data;  // the echoed bytes; their count is the data byte count
};

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

// The ping status of an ICMP error message (type and code) that answered our
// request.
std::int32_t StatusForIcmpError(int type, int code);

// The ping status of a local failure to send or deliver the request.
std::int32_t StatusForSocketError(std::errc error);

}  // namespace dorvane::platform
