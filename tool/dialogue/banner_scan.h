#pragma once
// Recognition of the module's banner: which setup prompt it shows, which
// firmware it runs, and "Parameters stored" after the save command.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace dorvane {

class RunValues;

inline constexpr std::string_view kOldSetupPrompt = "Press Enter to go into Setup Mode";
inline constexpr std::string_view kNewSetupPrompt = "Press Enter for Setup Mode";
inline constexpr std::string_view kParametersStored = "Parameters stored";
inline constexpr std::string_view kSoftwareVersion = "Software version";
inline constexpr std::size_t kChipVersionLength = 26;
// The ladder's index of firmware 6.8 (AtLeast[kV6_8]).
inline constexpr std::size_t kV6_8 = 3;

// What the serial receive handler takes for the module's setup prompt, as
// the module's family knows it: true when the prompt is in the transcript;
// the rule raises or lowers the firmware flags the banner tells. A family
// whose module has a banner of its own hands its rule to the run
// (Dialogue::UseSerialBannerRule); the engine knows only the default.
using SerialBannerRule = std::function<bool(std::string_view transcript, RunValues& values)>;

// The default: either setup prompt; the new one brings the firmware ladder
// 6.5 .. 6.10, and without a version 6.5 is lowered.
bool SetupPromptRule(std::string_view transcript, RunValues& values);

// The first version of the ladder from `lowest` up that is in the text
// raises its flag and every one down to `lowest`; false when none is.
bool RaiseVersionLadder(std::string_view text, RunValues& values, std::size_t lowest);

struct BannerScanResult {
  bool promptSeen = false;        // a setup prompt is in the text
  bool chipVersionFound = false;  // "Software version" is in the text
  std::string chipVersionLabel;   // what lblChipVersion shows (blank: empty)
  bool parametersStored = false;  // network only: the save was confirmed
};

// Serial receive handler: tests the whole transcript received so far.
BannerScanResult ScanSerialTranscript(std::string_view transcript, RunValues& values,
                                      const SerialBannerRule& rule = SetupPromptRule);

// Network data handler. TCP hands the banner over in whatever segments the
// network made of it, so each arrival is tested together with everything
// that arrived before it on the same connection. A text counts once, in the
// arrival that completes it: a banner that arrives whole is read as it
// always was, and the prompt still in the text does not hide the later
// "Parameters stored", which sets StopWaiting.
class NetworkBannerScan {
 public:
  // A new connection (or none): what arrived before it no longer counts.
  void Restart() { m_received.clear(); }
  BannerScanResult Arrived(std::string_view chunk, RunValues& values);

 private:
  std::string m_received;
};

}  // namespace dorvane
