// What a module on the serial line sent, tested under the default setup
// prompt rule and under the XPico's own rule.
#include "controller/qm270_xpico_script.h"
#include "dialogue/banner_scan.h"
#include "dialogue/run_values.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace dorvane;
  const std::string_view transcript = fuzz::Bytes(data, size);
  const bool hasPrompt = transcript.find(kOldSetupPrompt) != std::string_view::npos ||
                         transcript.find(kNewSetupPrompt) != std::string_view::npos;
  const bool hasVersion = transcript.find(kSoftwareVersion) != std::string_view::npos;

  RunValues values;
  BannerScanResult result = ScanSerialTranscript(transcript, values);
  fuzz::Require(result.promptSeen == hasPrompt, "the default rule sees either setup prompt");
  fuzz::Require(result.chipVersionFound == hasVersion, "the chip version is found when the text has one");
  fuzz::Require(result.chipVersionLabel.size() <= kChipVersionLength,
                "the chip version label is 26 characters at most");

  RunValues xpico;
  xpico.AtLeast[kV6_8] = true;
  result = ScanSerialTranscript(transcript, xpico, XPicoBannerRule);
  fuzz::Require(!result.promptSeen || hasPrompt, "the XPico's rule needs a setup prompt");
  fuzz::Require(xpico.AtLeast[kV6_8], "the XPico's rule never lowers a flag");
  return 0;
}
