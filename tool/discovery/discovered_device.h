#pragma once
// One module that answered the discovery query, as the listing shows it.

#include <string>

namespace dorvane {

struct DiscoveredDevice {
  std::string macAddress;  // "00.20.4A.12.34.56"
  std::string deviceType;  // the device-type table's text for the product code
  std::string ipAddress;   // the reply's source address, dotted
};

}  // namespace dorvane
