#include "discovery/device_list.h"

#include <stdexcept>
#include <string>

namespace dorvane {

namespace {

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

void DeviceList::Reset() {
  m_entries = {};
  m_deviceCount = 0;
  m_dropped = 0;
}

bool DeviceList::Add(DiscoveredDevice device) {
  if (m_deviceCount >= kCapacity) {
    ++m_dropped;
    return false;
  }
  m_entries[static_cast<std::size_t>(m_deviceCount)] = std::move(device);
  ++m_deviceCount;
  return true;
}

const DiscoveredDevice& DeviceList::Entry(int index) const {
  if (index < 0 || index >= kCapacity) throw std::out_of_range("DeviceList index " + std::to_string(index));
  return m_entries[static_cast<std::size_t>(index)];
}

std::vector<DiscoveredDevice> DeviceList::Listed() const {
  std::vector<DiscoveredDevice> listed;
  for (const DiscoveredDevice& entry : m_entries) {
    if (IsBlank(entry.deviceType)) break;
    listed.push_back(entry);
  }
  return listed;
}

}  // namespace dorvane
