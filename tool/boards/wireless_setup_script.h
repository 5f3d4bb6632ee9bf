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
#include "widgets/field_checks.h"

namespace dorvane {

inline constexpr int kWirelessPortCount = 16;
// The wireless windows' progress bar: one step per answer.
inline constexpr int kWirelessProgressDivisor = 100;

struct WirelessInputs {
  std::string deviceAddress = "000.000.000.000";  // three digits per field
  std::string gateway = "000.000.000.000";        // three digits per field
  int subnetIndex = 0;
  int comPort = 1;  // 1..16: cmbPort's position + 1
  // The device the COM entry opens instead of the mapped one (pellarctl's
  // serial:PATH); empty: the mapped one.
  std::string serialDevice;
  std::string baudText = "57600";
  int ethernetIndex = 0;
  bool defaultOnly = false;  // "Program Server Address Settings Only"

  Topology topology = Topology::Infrastructure;
  std::string networkName;  // as typed
  std::string channelText = "1";
  Suite suite = Suite::None;
  int authenticationIndex = 0;  // "Open/None", "Shared"
  int encryptionIndex = 0;      // position in the suite's list
  KeyChange keyChange = KeyChange::No;
  std::string key;  // as the box holds it, after the key check
  std::string txKeyIndexText = "1";
  int txRateModeIndex = 1;  // "Fixed", "Auto fallback"
  int txRateIndex = 3;      // "1 Mbps" .. "54 Mbps"; 3 is 11 Mbps
};

struct WirelessEncryptedInputs : WirelessInputs {
  bool reverseNetworkSaved = false;
  std::string reversePortText = "0";
  bool staticLocalPort = false;  // optLocalPort(0); otherwise the dynamic local port
  KeySize keySize = KeySize::Bits128;
  std::string dataKey;  // capital hexadecimal digits, KeyLength(keySize) of them
};

// The instruction the run gives before it opens the port (OK only).
Question ConnectCableQuestion(int comPort);

// The runs after the window's checks. Cancelled: ESC during the wake-up.
// The encrypted run refuses a data key of the wrong length (InputRejected,
// nothing sent), as its window does, even for the server settings only.
RunOutcome RunPellarWireless(Dialogue& dialogue, const WirelessInputs& in);
RunOutcome RunPellarWirelessEncrypted(Dialogue& dialogue, const WirelessEncryptedInputs& in);

}  // namespace dorvane
