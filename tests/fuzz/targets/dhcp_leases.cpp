// A DHCP client's state file, written by whichever client the system runs.
#include "fuzz_input.h"
#include "platform/network_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane::platform;
  const std::string_view stateFile = dorvane::fuzz::Bytes(data, size);
  std::vector<std::string> leased = LeasedAddresses(stateFile);
  for (const std::string& address : leased) {
    dorvane::fuzz::Require(address.find('\n') == std::string::npos, "a leased address is one line");
  }
  dorvane::fuzz::Require(leased.empty() || AnyAddressLeased({leased.back()}, leased), "a leased address is leased");
  return 0;
}
