#pragma once
// The programming run of a QM270 Rev. B controller's XPico module: the boot
// caught with "x" until the module's own banner, for reverse settings the
// fixed record block and a second boot catch after the module's restart,
// then the setup menu answered row by row. Blind like the XPort AR's run:
// apart from the banner, the module's answers are never read.

#include <array>
#include <optional>
#include <string>

#include "dialogue/dialogue.h"
#include "widgets/field_checks.h"

namespace dorvane {

inline constexpr const char* kXPicoModuleName = "QM270 Rev. B";

// The record block a reverse run writes before the menu: four data records
// of type 10h (the module's own, not a standard Intel HEX type; kept as the
// module takes them) describing 126 bytes at 0000..007D, 05 then zeros, and
// the end-of-file record. Constants: no input enters them.
inline constexpr std::array<const char*, 5> kXPicoRecordLines = {
    ":200000100500000000000000000000000000000000000000000000000000000000000000CB",
    ":200020100000000000000000000000000000000000000000000000000000000000000000B0",
    ":20004010000000000000000000000000000000000000000000000000000000000000000090",
    ":1E00601000000000000000000000000000000000000000000000000000000000000072", ":00000001FF"};

struct QM270XPicoInputs {
  std::string deviceAddress = "000.000.000.000";  // A: three digits per field
  std::string gateway = "000.000.000.000";        // G: three digits per field
  int subnetIndex = 0;                            // its host bits are sent, never the mask
  int comPort = 1;                                // 1..16
  // The device the COM entry opens instead of the mapped one (pellarctl's
  // serial:PATH); empty: the mapped one.
  std::string serialDevice;
  std::string baudText = "115200";    // S: "57600" or "115200"
  int ethernetIndex = 0;              // position in the Ethernet list, 0..4
  bool disable77FE = true;            // chk77FE
  bool defaultOnly = false;           // chkDefaultOnly: server address settings only
  bool reverseSettings = false;       // ReverseSettings
  std::string reversePortText = "0";  // P: as saved
  bool staticLocalPort = false;       // optLocalPort(0); otherwise dynamic
  std::optional<KeySize> keySize;     // none: "No Encryption"
  std::string key;                    // K: as typed
};

// The box that asks the installer to set the switches and power-cycle the
// controller before the boot catch.
Question XPicoPowerCycleInstruction(int comPort);

// The run after the window's start checks. InputRejected (nothing sent)
// when a key size is chosen and the key has not its digits: the module
// would switch encryption on with a key nobody typed.
RunOutcome RunQM270XPico(Dialogue& dialogue, const QM270XPicoInputs& in);

}  // namespace dorvane
