// The terminal's arguments, one per piece between NUL bytes.
#include "fuzz_input.h"
#include "terminal/terminal_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane::terminal;
  const CommandLine line = ParseCommandLine(dorvane::fuzz::Pieces(dorvane::fuzz::Bytes(data, size), '\0'));
  dorvane::fuzz::Require(line.portNumber >= 0 && line.portNumber <= kPortEntryCount, "a COM entry is 1 to 16");
  dorvane::fuzz::Require(line.portNumber == 0 || line.portPath.empty(), "a port is an entry or a path, not both");
  dorvane::fuzz::Require(BaudRateOfCode(line.baudCode) != 0, "the baud code is one of the table");
  return 0;
}
