// The simulator's command line, one argument per piece between NUL bytes.
#include <QStringList>

#include "fuzz_input.h"
#include "sim/device_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane::sim;
  QStringList arguments{"pellar-devsim"};
  for (const std::string& piece : dorvane::fuzz::Pieces(dorvane::fuzz::Bytes(data, size), '\0')) {
    arguments << QString::fromUtf8(piece.data(), static_cast<qsizetype>(piece.size()));
  }
  const ParsedOptions parsed = ParseDeviceOptions(arguments);
  dorvane::fuzz::Require(parsed.outcome != ParsedOptions::Outcome::kInvalid || !parsed.text.isEmpty(),
                         "a refused command line says why");
  return 0;
}
