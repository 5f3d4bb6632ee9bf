#include "platform/icmp_codec.h"

namespace dorvane::platform {

namespace {

constexpr std::uint8_t kEchoReplyType = 0;
constexpr std::uint8_t kEchoRequestType = 8;
constexpr std::uint8_t kIcmpProtocol = 1;
constexpr std::size_t kIcmpHeaderSize = 8;
constexpr std::size_t kMinimumIpHeaderSize = 20;

std::uint8_t Byte(std::string_view bytes, std::size_t at) { return static_cast<std::uint8_t>(bytes[at]); }

std::uint16_t Word(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(Byte(bytes, at) << 8 | Byte(bytes, at + 1));
}

void PutWord(std::string& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<char>(value >> 8);
  bytes[at + 1] = static_cast<char>(value & 0xff);
}

// The ICMP message after the IP header, or nothing when the header is not a
// plausible IPv4 header carrying ICMP.
std::optional<std::string_view> IcmpPart(std::string_view packet) {
  if (packet.size() < kMinimumIpHeaderSize || Byte(packet, 0) >> 4 != 4) return std::nullopt;
  std::size_t headerSize = static_cast<std::size_t>(Byte(packet, 0) & 0x0f) * 4;
  if (headerSize < kMinimumIpHeaderSize || packet.size() < headerSize) return std::nullopt;
  if (Byte(packet, 9) != kIcmpProtocol) return std::nullopt;
  return packet.substr(headerSize);
}

bool Matches(std::string_view icmp, std::optional<std::uint16_t> identifier, std::uint16_t sequence) {
  return (!identifier || Word(icmp, 4) == *identifier) && Word(icmp, 6) == sequence;
}

constexpr int kDestinationUnreachable = 3;
constexpr int kSourceQuench = 4;
constexpr int kTimeExceeded = 11;
constexpr int kParameterProblem = 12;

bool IsErrorType(std::uint8_t type) {
  return type == kDestinationUnreachable || type == kSourceQuench || type == kTimeExceeded || type == kParameterProblem;
}

std::int32_t StatusForUnreachable(int code) {
  switch (code) {
    // Network unreachable, network unknown, network prohibited, network
    // unreachable for the type of service: the network as a whole.
    case 0:
    case 6:
    case 9:
    case 11: return kIpDestNetUnreachable;
    case 2: return kIpDestProtocolUnreachable;
    case 3: return kIpDestPortUnreachable;
    case 4: return kIpPacketTooBig;  // fragmentation needed but not allowed
    case 5: return kIpBadRoute;      // source route failed
    default: return kIpDestHostUnreachable;
  }
}

}  // namespace

std::uint16_t InternetChecksum(std::string_view bytes) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) sum += Word(bytes, i);
  if (bytes.size() % 2) sum += static_cast<std::uint32_t>(Byte(bytes, bytes.size() - 1)) << 8;
  while (sum >> 16) sum = (sum & 0xffff) + (sum >> 16);
  return static_cast<std::uint16_t>(~sum);
}

std::string EchoRequest(std::uint16_t identifier, std::uint16_t sequence, std::string_view data) {
  std::string packet(kIcmpHeaderSize, '\0');
  packet[0] = static_cast<char>(kEchoRequestType);
  PutWord(packet, 4, identifier);
  PutWord(packet, 6, sequence);
  packet += data;
  PutWord(packet, 2, InternetChecksum(packet));
  return packet;
}

IcmpAnswer ReadIcmpAnswer(std::string_view message, bool withIpHeader, std::optional<std::uint16_t> identifier,
                          std::uint16_t sequence) {
  std::string_view icmp = message;
  if (withIpHeader) {
    std::optional<std::string_view> part = IcmpPart(message);
    if (!part) return {};
    icmp = *part;
  }
  if (icmp.size() < kIcmpHeaderSize || InternetChecksum(icmp) != 0) return {};
  std::uint8_t type = Byte(icmp, 0);
  if (type == kEchoReplyType) {
    if (Byte(icmp, 1) != 0 || !Matches(icmp, identifier, sequence)) return {};
    return {IcmpAnswerKind::kEchoReply, std::string(icmp.substr(kIcmpHeaderSize)), 0};
  }
  if (!withIpHeader || !IsErrorType(type)) return {};
  // An error quotes the IP header and the first eight bytes of the datagram
  // that caused it: for us, the echo request's header.
  std::optional<std::string_view> quoted = IcmpPart(icmp.substr(kIcmpHeaderSize));
  if (!quoted || quoted->size() < kIcmpHeaderSize || Byte(*quoted, 0) != kEchoRequestType) return {};
  if (!Matches(*quoted, identifier, sequence)) return {};
  return {IcmpAnswerKind::kError, {}, StatusForIcmpError(type, Byte(icmp, 1))};
}

std::optional<std::uint16_t> EchoRequestSequence(std::string_view request) {
  if (request.size() < kIcmpHeaderSize || Byte(request, 0) != kEchoRequestType) return std::nullopt;
  return Word(request, 6);
}

std::int32_t StatusForIcmpError(int type, int code) {
  switch (type) {
    case kDestinationUnreachable: return StatusForUnreachable(code);
    case kSourceQuench: return kIpSourceQuench;
    case kTimeExceeded: return code == 1 ? kIpTtlExpiredReassembly : kIpTtlExpiredTransit;
    case kParameterProblem: return kIpParameterProblem;
    default: return kIpGeneralFailure;
  }
}

std::int32_t StatusForSocketError(std::errc error) {
  switch (error) {
    case std::errc::network_unreachable: return kIpDestNetUnreachable;
    case std::errc::host_unreachable: return kIpDestHostUnreachable;
    case std::errc::connection_refused: return kIpDestPortUnreachable;
    // Linux refuses a broadcast destination this way.
    case std::errc::permission_denied: return kIpBadDestination;
    // A blackhole route.
    case std::errc::invalid_argument: return kIpBadRoute;
    case std::errc::message_size: return kIpPacketTooBig;
    case std::errc::no_buffer_space:
    case std::errc::not_enough_memory: return kIpNoResources;
    case std::errc::timed_out: return kIpRequestTimedOut;
    default: return kIpGeneralFailure;
  }
}

}  // namespace dorvane::platform
