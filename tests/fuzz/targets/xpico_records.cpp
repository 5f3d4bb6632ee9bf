// What the tool (or anything on the line) sends the simulated XPico in its
// record mode, byte by byte.
#include "fuzz_input.h"
#include "sim/xpico_record_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dorvane::sim::XPicoRecordLoader loader;
  loader.Enter();
  for (std::size_t i = 0; i < size && !loader.Restarting(); ++i) loader.Receive(static_cast<char>(data[i]));
  return 0;
}
