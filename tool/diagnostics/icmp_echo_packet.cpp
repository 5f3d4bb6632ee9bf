#include "diagnostics/icmp_echo_packet.h"

#include "diagnostics/icmp_error_status.h"

namespace dorvane {

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

bool IsErrorType(std::uint8_t type) { return type == 3 || type == 4 || type == 11 || type == 12; }

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

}  // namespace dorvane
