#pragma once
// Whether an adapter's address came from a DHCP server, judged from the
// state files of the Linux DHCP clients: a lease only counts while an
// adapter still holds its address, so an old lease from another network does
// not.

#include <string>
#include <string_view>
#include <vector>

namespace dorvane {

// The IPv4 addresses a client's state file records as leased:
// systemd-networkd and NetworkManager's internal client write
// "ADDRESS=a.b.c.d", dhclient (also when NetworkManager runs it) writes
// lease blocks with "fixed-address a.b.c.d;".
std::vector<std::string> LeasedAddresses(std::string_view stateFile);

bool AnyAddressLeased(const std::vector<std::string>& adapterAddresses, const std::vector<std::string>& leased);

}  // namespace dorvane
