// The XPort AR module's answer to "show", searched for the product lines.
#include "controller/qm270_script.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane;
  const std::string received(fuzz::Bytes(data, size));
  const std::string lines = ProductInfoLines(received);
  fuzz::Require(lines.empty() || lines.ends_with("\r\n"), "every product line ends with CR LF");
  return 0;
}
