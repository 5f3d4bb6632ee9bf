#pragma once
// DeviceList and DeviceCount: the replies of the current discovery, in the
// order they arrived, at most 256.

#include <array>
#include <vector>

#include "discovery/discovered_device.h"

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

}  // namespace dorvane
