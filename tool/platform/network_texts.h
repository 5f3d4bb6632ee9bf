#pragma once
// What the system's network files and records say, read without the system:
// the Linux kernel's ARP table, the DHCP clients' state files, a hosts file,
// and a neighbour's hardware address as the ping box shows it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane::platform {

// The hardware address of the first complete entry for the address in the
// table /proc/net/arp shows; empty when the table has none (no entry, or one
// still unresolved or failed).
std::vector<std::uint8_t> HardwareAddressFromArpTable(std::string_view table, std::string_view address);

// "00-20-4A-0A-0B-0C": each byte as two upper-case hex digits joined by
// "-". Nothing when the answer holds no address: no bytes, or the first four
// all zero (what an unresolved entry carries).
std::optional<std::string> MacAddressText(const std::vector<std::uint8_t>& bytes);

// The IPv4 addresses a Linux DHCP client's state file records as leased:
// systemd-networkd and NetworkManager's internal client write
// "ADDRESS=a.b.c.d", dhclient (also when NetworkManager runs it) writes
// lease blocks with "fixed-address a.b.c.d;".
std::vector<std::string> LeasedAddresses(std::string_view stateFile);

// Whether an adapter's address came from a DHCP server: a lease only counts
// while an adapter still holds its address, so an old lease from another
// network does not.
bool AnyAddressLeased(const std::vector<std::string>& adapterAddresses, const std::vector<std::string>& leased);

// Reverse lookups in a hosts-file text ("127.0.0.1 localhost"), for test
// runs that must not ask the network's name service: the first name the
// first line for the address gives; empty when none.
std::string HostNameFromHostsFile(std::string_view text, std::string_view address);

}  // namespace dorvane::platform
