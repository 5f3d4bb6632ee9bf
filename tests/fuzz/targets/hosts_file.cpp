// A hosts file; the address looked up is its first line's first word.
#include <sstream>

#include "fuzz_input.h"
#include "platform/network_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane::platform;
  const std::string_view text = dorvane::fuzz::Bytes(data, size);
  std::istringstream first{std::string(dorvane::fuzz::FirstLine(text))};
  std::string address;
  first >> address;
  std::string name = HostNameFromHostsFile(text, address);
  dorvane::fuzz::Require(name.find_first_of(" \t\n#") == std::string::npos, "a name is one word before any comment");
  HostNameFromHostsFile(text, "127.0.0.1");
  return 0;
}
