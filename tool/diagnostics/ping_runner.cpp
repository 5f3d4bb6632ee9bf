#include "diagnostics/ping_runner.h"

#include "platform/network.h"

namespace dorvane {

PingReport RunPing(const std::string& address) {
  PingReport report;
  {
    platform::SocketSession session;
    report.socketsStarted = session.Started();
    if (report.socketsStarted) {
      report.hostName = platform::GetHostNameFromIP(address);
      report.echo = platform::Ping(address, address, kEchoTimeoutMs);
      report.socketCleanupFailed = !session.Cleanup();
    }
  }
  if (MacLookupWanted(report)) {
    report.macLookedUp = true;
    report.mac = platform::GetRemoteMACAddress(address);
  }
  return report;
}

}  // namespace dorvane
