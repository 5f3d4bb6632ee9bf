#pragma once
// The Linux kernel's ARP table as /proc/net/arp shows it.

#include <cstdint>
#include <string_view>
#include <vector>

namespace dorvane {

// The hardware address of the first complete entry for the address; empty
// when the table has none (no entry, or one still unresolved or failed).
std::vector<std::uint8_t> HardwareAddressFromArpTable(std::string_view table, std::string_view address);

}  // namespace dorvane
