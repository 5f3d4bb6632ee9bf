#include "discovery/discovery_result.h"

#include <stdexcept>

#include "base/text_trim.h"

namespace dorvane {

namespace {

std::string WithDetail(const std::string& detail) { return detail.empty() ? std::string() : " (" + detail + ")"; }

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
    if (TrimBlanks(entry.deviceType).empty()) break;
    listed.push_back(entry);
  }
  return listed;
}

std::string DiscoveryStatusText(const DiscoveryOutcome& outcome, int listed, int dropped) {
  const std::string port = std::to_string(outcome.localPort);
  switch (outcome.failure) {
    case DiscoveryOutcome::Failure::PortInUse:
      return "Could not look for devices: UDP port " + port + " is in use by another program, so no query was sent.";
    case DiscoveryOutcome::Failure::BindFailed:
      return "Could not look for devices: UDP port " + port + " could not be opened" + WithDetail(outcome.detail) +
             ", so no query was sent.";
    case DiscoveryOutcome::Failure::SendFailed:
      return "Could not look for devices: the discovery query could not be sent" + WithDetail(outcome.detail) +
             ". Check that the computer is connected to a network.";
    case DiscoveryOutcome::Failure::None: break;
  }
  std::string text = listed == 0   ? std::string("No device answered.")
                     : listed == 1 ? std::string("1 device answered.")
                                   : std::to_string(listed) + " devices answered.";
  if (dropped > 0) {
    text += " The list holds " + std::to_string(DeviceList::kCapacity) + " devices; " + std::to_string(dropped) +
            (dropped == 1 ? " further reply was" : " further replies were") + " dropped.";
  }
  return text;
}

}  // namespace dorvane
