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
  std::atomic<bool> Pellar2RunActive{false};
  std::atomic<bool> PellarEncryptedRunActive{false};
  std::atomic<bool> QM270RunActive{false};
  std::atomic<bool> QM270XPicoRunActive{false};
  std::atomic<bool> NewSetupPrompt{false};
  // The module said "Parameters stored" over the network: the save took.
  std::atomic<bool> ParametersStored{false};
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
