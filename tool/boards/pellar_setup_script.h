#pragma once
// The programming run of the wired PELLAR boards: link choice, setup-mode
// entry and the answer script of the board's setup menu, shaped by the
// firmware flags and the window's options. The encrypted PELLAR6 run is the
// PELLAR2 run with its own rows: the reverse-network answers, the data key,
// the network disclaimer, and no ARP path.

#include <array>
#include <string>

#include "dialogue/dialogue.h"
#include "programming/run_inputs.h"

namespace dorvane {

// Port list entries: 0 network via ARP request, 1..16 COM ports, 17..19 the
// modules' service addresses.
inline constexpr int kPortViaArp = 0;
inline constexpr int kFirstServicePort = 17;
inline constexpr int kPortListSize = 20;
// The windows' progress bars: one step per wait of the dialogue.
inline constexpr int kPellar2ProgressDivisor = 60;
inline constexpr int kPellar6ProgressDivisor = 90;

inline constexpr std::array<const char*, 3> kServiceAddresses = {"192.168.100.254", "10.0.100.254", "169.254.100.254"};

struct Pellar2Inputs {
  ServerAddress server;
  LinkChoice link;  // the port list entry: 0 via ARP, 1..16 COM, 17..19 service addresses
  std::array<std::string, 6> macBoxes;
  std::string baudText = "57600";
  int ethernetIndex = 0;
  bool defaultOnly = false;  // "Program Server Address Settings Only"
  bool disable77FE = true;   // "Disable Discovery Port 77FE"
  bool vraLinkSaved = false;
  std::string remoteAddress = "000.000.000.000";  // three digits per field
  std::string remotePortText = "0";
};

// What the encrypted PELLAR6 board takes beyond a PELLAR2's. Its port list
// has an empty entry where the PELLAR2's ARP entry is.
struct Pellar6Inputs : Pellar2Inputs {
  ReverseNetwork reverse;
  DataKey dataKey;
};

inline constexpr const char* kDisclaimerTitle = "Programming Disclaimer";
// The disclaimer a PELLAR6 network run asks before it opens any link, and
// the application log entry of each acceptance (the date and time follow).
extern const char* const kDisclaimerText;
extern const char* const kDisclaimerLogText;

bool IsNetworkPort(int portIndex);

// The port list entry's text in the current language: "Network Connection
// via ARP request", "Comm Port 1" .. "Comm Port 16", "Network Connection via
// 192.168.100.254" ...
std::string PortListText(int portIndex);
// The PELLAR6 list: the same entries, with an empty one at index 0.
std::string Pellar6PortListText(int portIndex);

// The entry a window opens with: a host whose first adapter address lies in
// one of the modules' service networks reaches the module there; any other
// host starts on the first COM port.
int PortIndexForHostAddress(const std::string& hostAddress);

// The runs after validation. A network run ends with SaveUnconfirmed when
// the module never said "Parameters stored".
// PELLAR2: InputRejected carries the index of the first empty MAC box (the
// ARP path).
RunOutcome RunPellar2(Dialogue& dialogue, const Pellar2Inputs& in);
// PELLAR6: Declined when the installer refused the network disclaimer
// (nothing sent); InputRejected for port entry 0 or a key of the wrong
// length (nothing sent).
RunOutcome RunPellar6(Dialogue& dialogue, const Pellar6Inputs& in);

}  // namespace dorvane
