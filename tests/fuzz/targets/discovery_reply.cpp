// A datagram on the discovery port, from anyone on the network segment.
#include "discovery/discovery_codec.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane;
  const std::string_view datagram = fuzz::Bytes(data, size);
  std::optional<DiscoveredDevice> device = DecodeReply(datagram, "10.0.0.1");
  fuzz::Require(!device || datagram.size() >= kReplyLength, "a reply is at least 30 bytes");
  if (device) {
    fuzz::Require(device->macAddress.size() == 17, "the MAC text is six pairs joined by dots");
    for (unsigned char c : device->deviceType) fuzz::Require(c >= 0x20 && c < 0x7f, "the device type is printable");
  }
  return 0;
}
