#pragma once
// What one discovery found: the replies in the order they arrived (at most
// 256, DeviceList and DeviceCount), and whether it could look for devices at
// all, with the status line that tells the installer so. An empty listing
// alone cannot tell "no device answered" from "the query never went out".

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "discovery/discovery_codec.h"

namespace dorvane {

class DeviceList {
 public:
  static constexpr int kCapacity = 256;

  // 256 empty entries and a count of 0, as at the start of a discovery.
  void Reset();

  // Fills entry DeviceCount and counts it; a full list drops the reply and
  // returns false.
  bool Add(DiscoveredDevice device);

  int DeviceCount() const { return m_deviceCount; }
  // Replies refused because the list was full, since the last Reset.
  int Dropped() const { return m_dropped; }
  const DiscoveredDevice& Entry(int index) const;

  // What the listing shows: the entries from the first up to the first whose
  // device type is blank.
  std::vector<DiscoveredDevice> Listed() const;

 private:
  std::array<DiscoveredDevice, kCapacity> m_entries;
  int m_deviceCount = 0;
  int m_dropped = 0;
};

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
