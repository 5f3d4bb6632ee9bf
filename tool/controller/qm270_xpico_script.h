#pragma once
// The programming run of a QM270 Rev. B controller's XPico module: the boot
// caught with "x" until the module's own banner, for reverse settings the
// fixed record block and a second boot catch after the module's restart,
// then the setup menu answered row by row. Blind like the XPort AR's run:
// apart from the banner, the module's answers are never read.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "dialogue/dialogue.h"
#include "programming/run_inputs.h"

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
  ServerAddress server;             // A, G; the mask's host bits are sent, never the mask
  LinkChoice link;                  // COM entries 1..16 only
  std::string baudText = "115200";  // S: "57600" or "115200"
  int ethernetIndex = 0;            // position in the Ethernet list, 0..4
  bool disable77FE = true;          // chk77FE
  bool defaultOnly = false;         // chkDefaultOnly: server address settings only
  ReverseNetwork reverse;           // P: as saved
  std::optional<DataKey> dataKey;   // none: "No Encryption"; K: as typed
};

// The XPico's banner rule (Dialogue::UseSerialBannerRule): other modules
// say "Press Enter for Setup Mode" too, so only that prompt together with
// the module's name counts; the version raises 6.8 .. 6.10 and nothing is
// ever lowered, so a banner read earlier in the run keeps its flags.
bool XPicoBannerRule(std::string_view transcript, RunValues& values);

// The box that asks the installer to set the switches and power-cycle the
// controller before the boot catch.
Question XPicoPowerCycleInstruction(int comPort);

// The run after the window's start checks. InputRejected (nothing sent)
// when a key size is chosen and the key has not its digits: the module
// would switch encryption on with a key nobody typed.
RunOutcome RunQM270XPico(Dialogue& dialogue, const QM270XPicoInputs& in);

}  // namespace dorvane
