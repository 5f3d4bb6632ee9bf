// An os-release file, read for the values the system test shows.
#include "fuzz_input.h"
#include "platform/operating_system_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane::platform;
  const std::string_view text = dorvane::fuzz::Bytes(data, size);
  for (std::string_view key : {"PRETTY_NAME", "NAME", "VERSION_ID", "ID"}) {
    std::optional<std::string> value = OsReleaseValue(text, key);
    dorvane::fuzz::Require(!value || value->size() <= text.size(), "a value lies within the file");
  }
  return 0;
}
