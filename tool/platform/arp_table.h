#pragma once
// The host's ARP table, which a programming run clears and into which it
// puts the module's new address. Changing it needs administrator rights.

#include <memory>
#include <string>

#include "platform/command_outcome.h"

namespace dorvane::platform {

class ArpTable {
 public:
  virtual ~ArpTable() = default;
  // Empties the table.
  virtual CommandOutcome Clear() = 0;
  // address (short form, 192.168.1.10) -> MAC (00-20-4a-12-34-56).
  virtual CommandOutcome Assign(const std::string& address, const std::string& mac) = 0;
};

// The real table of this computer (Linux: "ip neigh"; Windows: "arp.exe").
std::shared_ptr<ArpTable> SystemArpTable();

}  // namespace dorvane::platform
