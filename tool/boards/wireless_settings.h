#pragma once
// The WLAN choices of the wireless PELLAR boards, by list position as the
// windows hold them: which suites a topology offers, which encryptions a
// suite offers, how long the wireless key box may grow and how a key is
// checked. Standard library only, so pellarctl offers and refuses exactly
// what the windows do.

#include <optional>
#include <string>
#include <vector>

#include "programming/field_checks.h"

namespace dorvane {

// cmbTopology: "Infrastructure", "Adhoc".
enum class Topology { Infrastructure, Adhoc };
// cmbSecurity: "None", "WEP", and for Infrastructure "WPA", "WPA 2/802.11i".
enum class Suite { None, WEP, WPA, WPA2 };
// cmbChangeKey: "Yes, to hexadecimal key type", "Yes, to passphrase key type",
// "No".
enum class KeyChange { Hexadecimal, Passphrase, No };

// The WLAN settings frame as a run takes it.
struct WlanSettings {
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

inline constexpr int kPassphraseMaximum = 63;
// Shorter passphrases get the warning and are sent all the same.
inline constexpr int kPassphraseRecommended = 20;

// The suite list's texts for the topology (an Adhoc network offers only
// None and WEP).
std::vector<std::string> SuiteTexts(Topology topology);
bool SuiteOffered(Topology topology, Suite suite);

// cmbEncryption's texts for the suite: "WEP 64", "WEP 128"; "TKIP",
// "TKIP+WEP"; "CCMP", "CCMP+TKIP", "CCMP+WEP", "TKIP", "TKIP+WEP"; none for
// None.
std::vector<std::string> EncryptionTexts(Suite suite);

// The hexadecimal digits a key needs: 10 for WEP 64, 26 for WEP 128, 64 for
// WPA and WPA 2/802.11i.
int HexKeyLength(Suite suite, int encryptionIndex);

// What SetEncryptionKeyWidth gives the key box; nothing when it changes
// nothing (suite None or key change "No").
struct KeyWidth {
  int maxLength = 0;
  std::string toolTip;
};
std::optional<KeyWidth> EncryptionKeyWidth(Suite suite, int encryptionIndex, KeyChange change);

// CheckEncryptionKey. keyText is the box as it stands; key is what the box
// holds afterwards (a longer key is cut). A message with usable true is the
// short-passphrase warning, after which the run goes on.
struct WirelessKeyCheck {
  bool usable = true;
  std::optional<Message> message;
  std::string key;
};
WirelessKeyCheck CheckEncryptionKey(Suite suite, int encryptionIndex, KeyChange change, const std::string& keyText);

}  // namespace dorvane
