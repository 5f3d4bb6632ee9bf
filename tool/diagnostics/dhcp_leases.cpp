#include "diagnostics/dhcp_leases.h"

#include <algorithm>
#include <sstream>

namespace dorvane {

std::vector<std::string> LeasedAddresses(std::string_view stateFile) {
  std::vector<std::string> addresses;
  std::istringstream lines{std::string(stateFile)};
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("ADDRESS=", 0) == 0) {
      addresses.push_back(line.substr(8));
      continue;
    }
    std::istringstream words(line);
    std::string keyword;
    std::string address;
    if (words >> keyword >> address && keyword == "fixed-address" && address.size() > 1 && address.back() == ';') {
      address.pop_back();
      addresses.push_back(address);
    }
  }
  return addresses;
}

bool AnyAddressLeased(const std::vector<std::string>& adapterAddresses, const std::vector<std::string>& leased) {
  return std::any_of(adapterAddresses.begin(), adapterAddresses.end(), [&](const std::string& address) {
    return std::find(leased.begin(), leased.end(), address) != leased.end();
  });
}

}  // namespace dorvane
