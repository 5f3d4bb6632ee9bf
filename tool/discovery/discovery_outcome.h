#pragma once
// Whether a discovery could look for devices at all, and the status line that
// tells the installer so. An empty listing alone cannot tell "no device
// answered" from "the query never went out".

#include <cstdint>
#include <string>

#include "discovery/discovery_codec.h"

namespace dorvane {

struct DiscoveryOutcome {
  enum class Failure {
    None,        // bound and sent: the listing is what answered
    PortInUse,   // another program holds the port without sharing it
    BindFailed,  // the port could not be opened for another reason
    SendFailed,  // bound, but the query did not leave (no network, no route)
  };
  Failure failure = Failure::None;
  std::uint16_t localPort = DISCOVERY_PORT;
  std::string detail;  // the system's error text

  bool Looked() const { return failure == Failure::None; }
};

// The listing's status line (and pellarctl's message): why nothing could be
// found, or how many devices answered and how many replies the full list
// dropped.
std::string DiscoveryStatusText(const DiscoveryOutcome& outcome, int listed, int dropped);

}  // namespace dorvane
