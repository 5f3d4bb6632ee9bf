#include "sim/module_firmware.h"

#include "sim/setup_menu.h"

namespace dorvane::sim {

std::unique_ptr<ModuleFirmware> MakeFirmware(const DeviceOptions& options, LinkKind link) {
  switch (options.kind) {
    case ModuleKind::kBoardSetupMenu: return std::make_unique<SetupMenu>(options, link);
  }
  return nullptr;
}

}  // namespace dorvane::sim
