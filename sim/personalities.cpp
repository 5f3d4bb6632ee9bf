#include "sim/personalities.h"

#include <QtGlobal>

#include "sim/device_options.h"
#include "sim/setup_menu.h"
#include "sim/xpico_setup_menu.h"
#include "sim/xport_ar_command_line.h"

namespace dorvane::sim {

namespace {

template <class Firmware>
std::unique_ptr<ModuleFirmware> Make(const DeviceOptions& options, LinkKind link) {
  return std::make_unique<Firmware>(options, link);
}

// The four boards share one setup menu, which reads the kind for what
// sets them apart.
constexpr Personality kPersonalities[] = {
    {"pellar2", ModuleKind::kBoardSetupMenu, Make<SetupMenu>, ""},
    {"pellar6", ModuleKind::kEncryptedBoardSetupMenu, Make<SetupMenu>,
     "pellar6 asks its\n"
     "security questions one by one, with the data key, and takes\n"
     "the answers strictly; "},
    // Both wireless boards in one sentence.
    {"wireless", ModuleKind::kWirelessSetupMenu, Make<SetupMenu>,
     "the wireless boards' submenus close\n"
     "after their last question, and their WLAN menu (4) and\n"
     "security menu (wireless-encrypted: with the data key) take\n"
     "the answers strictly; "},
    {"wireless-encrypted", ModuleKind::kEncryptedWirelessSetupMenu, Make<SetupMenu>, ""},
    {"xport-ar", ModuleKind::kXPortArCommandLine, Make<XPortArCommandLine>,
     "xport-ar is the QM270's command line\n"
     "(serial only: \"!\" boot catch, \"xyz\", \"show\", strict levels);\n"},
    {"xpico", ModuleKind::kXPicoSetupMenu, Make<XPicoSetupMenu>,
     "xpico is the QM270 Rev. B's module (serial only: \"x\" wake-up,\n"
     "\"M\" record mode ending in \"RS\" and a restart, CR setup menu\n"
     "whose submenus take the answers strictly)"},
};

}  // namespace

std::span<const Personality> Personalities() { return kPersonalities; }

const Personality* FindPersonality(QStringView name) {
  for (const Personality& personality : kPersonalities) {
    if (name == QLatin1StringView(personality.name)) return &personality;
  }
  return nullptr;
}

const Personality& PersonalityOf(ModuleKind kind) {
  for (const Personality& personality : kPersonalities) {
    if (personality.kind == kind) return personality;
  }
  // A kind without an entry cannot be played; say so at once rather than
  // run some other firmware in its place.
  qFatal("pellar-devsim: no personality plays module kind %d", static_cast<int>(kind));
}

}  // namespace dorvane::sim
