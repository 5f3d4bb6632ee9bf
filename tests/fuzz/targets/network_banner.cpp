// A banner over TCP, cut at every point into two arrivals: what the scan
// finds must not depend on where the network split it.
#include "dialogue/banner_scan.h"
#include "dialogue/run_values.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane;
  // Every split point scans the text twice; longer inputs add time, not paths.
  if (size > 512) return 0;
  const std::string_view text = fuzz::Bytes(data, size);
  const bool hasPrompt =
      text.find(kOldSetupPrompt) != std::string_view::npos || text.find(kNewSetupPrompt) != std::string_view::npos;
  const bool hasVersion = text.find(kSoftwareVersion) != std::string_view::npos;
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    RunValues values;
    NetworkBannerScan scan;
    BannerScanResult first = scan.Arrived(text.substr(0, cut), values);
    BannerScanResult second = scan.Arrived(text.substr(cut), values);
    fuzz::Require((first.promptSeen || second.promptSeen) == hasPrompt, "a prompt split over two arrivals is seen");
    fuzz::Require((first.chipVersionFound || second.chipVersionFound) == hasVersion,
                  "a version split over two arrivals is found");
    fuzz::Require(!values.ParametersStored || text.find(kParametersStored) != std::string_view::npos,
                  "a save is confirmed only by its text");
  }
  return 0;
}
