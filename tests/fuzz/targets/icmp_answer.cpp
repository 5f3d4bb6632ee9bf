// Whatever the ICMP socket receives: every ICMP message of the host reaches
// a raw socket. The first byte chooses the socket kind and whether the
// identifier is checked, so one input reaches both readers.
#include "fuzz_input.h"
#include "platform/icmp_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane::platform;
  if (size == 0) return 0;
  const bool withIpHeader = data[0] & 1;
  const std::optional<std::uint16_t> identifier = data[0] & 2 ? std::nullopt : std::optional<std::uint16_t>(0x1234);
  const std::string_view message = dorvane::fuzz::Bytes(data + 1, size - 1);
  IcmpAnswer answer = ReadIcmpAnswer(message, withIpHeader, identifier, 1);
  dorvane::fuzz::Require(answer.kind == IcmpAnswerKind::kEchoReply || answer.data.empty(),
                         "only an echo reply carries data");
  dorvane::fuzz::Require(answer.data.size() <= message.size(), "the echoed data lies within the message");
  EchoRequestSequence(message);

  // Our own request carries its sequence back.
  const std::string request = EchoRequest(0x1234, 7, message);
  dorvane::fuzz::Require(EchoRequestSequence(request) == 7, "a request's sequence reads back");
  dorvane::fuzz::Require(InternetChecksum(request) == 0, "a request's checksum sums to zero");
  return 0;
}
