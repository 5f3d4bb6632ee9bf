#include "diagnostics/current_ip_facts.h"

#include <algorithm>

#include "platform/host_name_lookup.h"
#include "platform/network_adapters.h"

namespace dorvane {

CurrentIPFacts GetCurrentIP() {
  CurrentIPFacts facts;
  std::vector<std::string> addresses = platform::AdapterAddresses();
  addresses.resize(std::min(addresses.size(), kShownAdapters));
  facts.adapterAddresses = std::move(addresses);
  if (!facts.adapterAddresses.empty() && facts.adapterAddresses.front().find_first_not_of(' ') != std::string::npos) {
    facts.hostName = " " + platform::GetHostNameFromIP(facts.adapterAddresses.front());
  }
  return facts;
}

}  // namespace dorvane
