#pragma once
// The kinds of module the simulator can play, each named once with all the
// rest of the program needs of it: the option parser takes its --kind name,
// the usage describes it and the session builds its firmware, all from one
// list, so a new kind is a value here and an entry in personalities.cpp.

#include <QStringView>
#include <memory>
#include <span>

#include "sim/module_firmware.h"

namespace dorvane::sim {

struct DeviceOptions;

// Which firmware the module runs: the boards' numbered setup menu, plain
// (PELLAR2) or with the encrypted board's strict security submenu (PELLAR6),
// or the wireless boards' menu (PELLAR2W, PELLAR6W), whose submenus close
// after their last question and whose WLAN and security submenus are
// strict, or the QM270's XPort AR command line (xport-ar), or the QM270
// Rev. B's XPico with its record mode and strict setup menu (xpico).
enum class ModuleKind {
  kBoardSetupMenu,
  kEncryptedBoardSetupMenu,
  kWirelessSetupMenu,
  kEncryptedWirelessSetupMenu,
  kXPortArCommandLine,
  kXPicoSetupMenu,
};

struct Personality {
  const char* name;  // the --kind value
  ModuleKind kind;
  std::unique_ptr<ModuleFirmware> (*makeFirmware)(const DeviceOptions& options, LinkKind link);
  // What the usage says of this kind, in the order of the list, broken where
  // the usage breaks its lines and ending in what leads to the next kind's
  // words; the usage indents the lines. Empty for a kind described with
  // another.
  const char* usage;
};

// In the order --help names them.
std::span<const Personality> Personalities();

// The personality called name; null when there is none.
const Personality* FindPersonality(QStringView name);

// The personality that plays kind.
const Personality& PersonalityOf(ModuleKind kind);

}  // namespace dorvane::sim
