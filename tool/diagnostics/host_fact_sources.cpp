#include "diagnostics/host_fact_sources.h"

#include <QLoggingCategory>
#include <algorithm>

#include "base/text_trim.h"
#include "platform/network.h"
#include "platform/system.h"

namespace dorvane {

namespace {

Q_LOGGING_CATEGORY(lcDiagnostics, "dorvane.diagnostics")

}  // namespace

CurrentIPFacts GetCurrentIP() {
  CurrentIPFacts facts;
  std::vector<std::string> addresses = platform::AdapterAddresses();
  if (addresses.empty()) qCWarning(lcDiagnostics, "Get Current IP: the system lists no adapters");
  addresses.resize(std::min(addresses.size(), kShownAdapters));
  facts.adapterAddresses = std::move(addresses);
  if (!facts.adapterAddresses.empty() && !TrimBlanks(facts.adapterAddresses.front()).empty()) {
    facts.hostName = platform::GetHostNameFromIP(facts.adapterAddresses.front());
  }
  return facts;
}

SystemTestFacts TestSystem(const std::string& driveEntry, const std::optional<ScreenFacts>& screen) {
  SystemTestFacts facts;
  if (std::optional<platform::OperatingSystemFacts> system = platform::CurrentOperatingSystem()) {
    facts.os =
        OperatingSystemLabelValues(*system, system->platform == platform::kPlatformNT && platform::IsAdministrator());
  } else {
    qCWarning(lcDiagnostics, "Test System: the operating system would not say what it is; its labels keep their texts");
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
