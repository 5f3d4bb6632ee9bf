#pragma once
// Whether the computer takes an address from a DHCP server.

namespace dorvane::platform {

// True when at least one adapter's address was leased by DHCP. Windows: an
// adapter with DHCP enabled. Linux: an address an interface holds now that
// the state files of systemd-networkd, NetworkManager or dhclient record as
// leased. A failure to read the adapters raises RunTimeError.
bool IsDHCPEnabled();

}  // namespace dorvane::platform
