#pragma once
// The run values one programming run shares with its receive handlers:
// firmware flags from the banner, the wait's stop flag, the progress flags
// and texts. Each run starts with a fresh set (the runner makes it), so a
// module programmed earlier cannot lend its flags to the next; flags are
// atomic and texts guarded, because the run lives on its own thread.

#include <array>
#include <atomic>
#include <mutex>
#include <string>

namespace dorvane {

// Firmware 6.5 .. 6.10, in this order.
inline constexpr int kVersionFlagCount = 6;

class RunValues {
 public:
  std::atomic<bool> StopWaiting{false};
  std::atomic<bool> ProgressActive{false};
  // The step of the run's progress bar, which the script sets while its
  // dialogue is under way: each step adds track / ProgressDivisor to the
  // fill. 0: no run is under way and no wait moves the bar.
  std::atomic<int> ProgressDivisor{0};
  std::atomic<bool> NewSetupPrompt{false};
  // The module said "Parameters stored" over the network: the save took.
  std::atomic<bool> ParametersStored{false};
  // The run has said that a module of another kind answered its wake-up;
  // once is enough, whichever of its wake-ups heard it.
  std::atomic<bool> OtherModuleNoted{false};
  // AtLeast[0] is AtLeastV6_5, AtLeast[5] AtLeastV6_10.
  std::array<std::atomic<bool>, kVersionFlagCount> AtLeast{};

  std::atomic<bool>& AtLeastV6_5() { return AtLeast[0]; }
  std::atomic<bool>& AtLeastV6_6() { return AtLeast[1]; }
  std::atomic<bool>& AtLeastV6_7() { return AtLeast[2]; }
  std::atomic<bool>& AtLeastV6_8() { return AtLeast[3]; }
  std::atomic<bool>& AtLeastV6_9() { return AtLeast[4]; }
  std::atomic<bool>& AtLeastV6_10() { return AtLeast[5]; }

  std::string ChipVersion() const;
  void SetChipVersion(std::string text);
  std::string HostBitsText() const;
  void SetHostBitsText(std::string text);

  // The "server settings only" box: the run answers as for the newest
  // firmware without having seen a banner.
  void RaiseAllFirmwareFlags();

 private:
  mutable std::mutex m_textMutex;
  std::string m_chipVersion;
  std::string m_hostBitsText;
};

}  // namespace dorvane
