// The kernel's ARP table text. The address looked up is the first entry's,
// so the fuzzer reaches the hardware address of a matching line.
#include <sstream>

#include "fuzz_input.h"
#include "platform/network_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane::platform;
  const std::string_view table = dorvane::fuzz::Bytes(data, size);
  const std::size_t newline = table.find('\n');
  std::string address;
  if (newline != std::string_view::npos) {
    std::istringstream entry{std::string(dorvane::fuzz::FirstLine(table.substr(newline + 1)))};
    entry >> address;
  }
  std::vector<std::uint8_t> hardware = HardwareAddressFromArpTable(table, address);
  std::optional<std::string> text = MacAddressText(hardware);
  dorvane::fuzz::Require(!text || text->size() == hardware.size() * 3 - 1, "each byte is two digits and a dash");
  return 0;
}
