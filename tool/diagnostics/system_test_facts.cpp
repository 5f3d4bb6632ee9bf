#include "diagnostics/system_test_facts.h"

#include "platform/administrator.h"
#include "platform/dhcp_state.h"
#include "platform/free_space.h"
#include "platform/operating_system.h"

namespace dorvane {

SystemTestFacts TestSystem(const std::string& driveEntry, const std::optional<ScreenFacts>& screen) {
  SystemTestFacts facts;
  if (std::optional<OperatingSystemFacts> system = platform::CurrentOperatingSystem()) {
    facts.os = OperatingSystemLabelValues(*system, system->platform == kPlatformNT && platform::IsAdministrator());
  }
  bool dhcp = false;
  try {
    dhcp = platform::IsDHCPEnabled();
  } catch (const RunTimeError& error) {
    facts.dhcpFailure = error;
  }
  facts.dhcp = DhcpValue(dhcp);
  facts.screen = ScreenValue(screen);
  facts.freeSpace = FreeSpaceValue(platform::TotalFreeBytes(driveEntry));
  return facts;
}

}  // namespace dorvane
