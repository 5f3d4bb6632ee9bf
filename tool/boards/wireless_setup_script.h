#pragma once
// The programming run of the wireless PELLAR boards, over the COM port only:
// the serial wake-up, then the server menu, channel 1, the WLAN menu, the
// Ethernet and security menus and the save. Every answer goes through
// WriteMSCommOutput: a fixed two-second wait and one hundredth of the
// progress bar, never the answer pause. The encrypted wireless run is the
// same script with the reverse-network answers of channel 1 and the data
// key in the security menu.

#include <string>

#include "boards/wireless_settings.h"
#include "dialogue/dialogue.h"
#include "programming/run_inputs.h"

namespace dorvane {

inline constexpr int kWirelessPortCount = 16;
// The wireless windows' progress bar: one step per answer.
inline constexpr int kWirelessProgressDivisor = 100;

struct WirelessInputs {
  ServerAddress server;
  LinkChoice link;  // COM entries 1..16 only
  std::string baudText = "57600";
  int ethernetIndex = 0;
  bool defaultOnly = false;  // "Program Server Address Settings Only"
  WlanSettings wlan;
};

struct WirelessEncryptedInputs : WirelessInputs {
  ReverseNetwork reverse;
  DataKey dataKey;
};

// The instruction the run gives before it opens the port (OK only).
Question ConnectCableQuestion(int comPort);

// The runs after the window's checks. Cancelled: ESC during the wake-up.
// The encrypted run refuses a data key of the wrong length (InputRejected,
// nothing sent), as its window does, even for the server settings only.
RunOutcome RunPellarWireless(Dialogue& dialogue, const WirelessInputs& in);
RunOutcome RunPellarWirelessEncrypted(Dialogue& dialogue, const WirelessEncryptedInputs& in);

}  // namespace dorvane
