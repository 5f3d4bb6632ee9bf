#pragma once
// The computer's network as the diagnostics see it: its adapters, DHCP, name
// lookups, the sockets layer, ICMP echo and the neighbours' hardware
// addresses. (The ARP table a programming run changes is arp_table.h.)

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/icmp_codec.h"

namespace dorvane::platform {

// The first IPv4 address of every adapter in the system's order, "0.0.0.0"
// for an adapter without one; empty when the system gives no adapter data.
// Windows: every adapter GetAdaptersInfo lists. Linux: every interface that
// is up, except loopback, in interface-index order (the order of `ip addr`).
std::vector<std::string> AdapterAddresses();

// True when at least one adapter's address was leased by DHCP. Windows: an
// adapter with DHCP enabled. Linux: an address an interface holds now that
// the state files of systemd-networkd, NetworkManager or dhclient record as
// leased. A failure to read the adapters raises RunTimeError.
bool IsDHCPEnabled();

// Reverse name lookup of an IPv4 address: the host's official name, empty
// when it has none. When DORVANE_HOSTS_FILE names a file, only that hosts
// file is read and the network's name service is never asked: test runs must
// not send queries from the machine.
std::string GetHostNameFromIP(const std::string& address);

// The system's own lookup, without the override.
std::string SystemHostNameFromIP(const std::string& address);

// The sockets layer for one operation: Windows Sockets 1.1 started before it
// and cleaned up after it. Linux needs no start-up; its session always runs.
class SocketSession {
 public:
  SocketSession();
  ~SocketSession();
  SocketSession(const SocketSession&) = delete;
  SocketSession& operator=(const SocketSession&) = delete;

  // Whether the layer started; nothing may use sockets otherwise.
  bool Started() const { return m_started; }

  // Ends the session now rather than at the end of the scope; false when the
  // layer refused to close down.
  bool Cleanup();

 private:
  bool m_started = false;
  bool m_open = false;
};

// Sends the data to a dotted IPv4 address and waits up to timeoutMs for the
// answer; one request, no retries. Status kBadIpFormat when the text is no
// address, kIpGeneralFailure when no ICMP handle or socket can be opened.
EchoReply Ping(const std::string& address, const std::string& data, int timeoutMs);

// The hardware address of a neighbour on the local network,
// "00-20-4A-0A-0B-0C", from the host's ARP service; nothing when it knows no
// address for the host (no answer, off the local network, or 0.0.0.0).
std::optional<std::string> GetRemoteMACAddress(const std::string& address);

}  // namespace dorvane::platform
