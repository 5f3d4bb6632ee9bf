#pragma once
// What one ping found out, and the texts the ping box shows for it. The
// window and pellarctl both show these values.

#include <cstdint>
#include <optional>
#include <string>

#include "diagnostics/value_colour.h"
#include "platform/icmp_codec.h"

namespace dorvane {

// The documented text of a ping status code (platform::IpStatus); "Unkown
// Error" for any other code.
std::string GetIPStatusText(std::int32_t code);

struct PingReport {
  bool socketsStarted = false;       // the echo was only tried when they were
  bool socketCleanupFailed = false;  // Windows Sockets refused to close down
  std::string hostName;              // reverse lookup of the address
  platform::EchoReply echo;
  bool macLookedUp = false;
  std::optional<std::string> mac;  // "00-20-4A-0A-0B-0C" when the neighbour is known
};

// The neighbour's hardware address is asked for unless the echo failed.
bool MacLookupWanted(const PingReport& report);

// The values of lblIPHostname and lblStatus 0 to 4, each with its leading
// blank; a value the operation leaves alone is empty.
struct PingValues {
  std::string hostName;
  LabelValue status;      // lblStatus 0
  std::string mac;        // lblStatus 1
  std::string roundTrip;  // lblStatus 2
  std::string dataBytes;  // lblStatus 3
  std::string echoData;   // lblStatus 4
};

PingValues PingLabelValues(const PingReport& report);

// Whether the address answered: what pellarctl's exit code reports.
bool PingSucceeded(const PingReport& report);

}  // namespace dorvane
