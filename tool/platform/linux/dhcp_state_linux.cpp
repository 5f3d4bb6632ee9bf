#include <filesystem>
#include <fstream>
#include <sstream>

#include "diagnostics/dhcp_leases.h"
#include "platform/dhcp_state.h"
#include "platform/linux/interfaces_linux.h"
#include "base/run_time_error.h"

namespace dorvane::platform {

namespace {

constexpr int kInvalidProcedureCall = 5;

// Where the DHCP clients of Debian and its neighbours keep their leases.
struct LeaseFolder {
  const char* path;
  const char* extension;  // empty: every file
};

constexpr LeaseFolder kLeaseFolders[] = {
    {"/run/systemd/netif/leases", ""},
    {"/var/lib/NetworkManager", ".lease"},
    {"/var/lib/dhcp", ".leases"},
    {"/var/lib/dhclient", ".leases"},
};

std::vector<std::string> AllLeasedAddresses() {
  std::vector<std::string> leased;
  for (const LeaseFolder& folder : kLeaseFolders) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path, error)) {
      std::string extension = folder.extension;
      if (!entry.is_regular_file(error)) continue;
      if (!extension.empty() && entry.path().extension() != extension) continue;
      // A file we may not read tells us nothing; the others still count.
      std::ifstream file(entry.path());
      std::ostringstream text;
      text << file.rdbuf();
      for (std::string& address : LeasedAddresses(text.str())) leased.push_back(std::move(address));
    }
  }
  return leased;
}

}  // namespace

bool IsDHCPEnabled() {
  std::optional<std::vector<LinuxInterface>> interfaces = InterfacesInIndexOrder();
  if (!interfaces) throw RunTimeError(kInvalidProcedureCall, "The network interfaces could not be read.");
  std::vector<std::string> addresses;
  for (const LinuxInterface& interface : *interfaces) {
    if (!interface.loopback) addresses.insert(addresses.end(), interface.ipv4.begin(), interface.ipv4.end());
  }
  return AnyAddressLeased(addresses, AllLeasedAddresses());
}

}  // namespace dorvane::platform
