#pragma once
// The host facts of the main window and pellarctl, asked of the platform the
// same way for both: Get Current IP (adapter addresses and host name) and
// Test System (administrator status, operating system, DHCP, screen and free
// space).

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/run_time_error.h"
#include "diagnostics/host_fact_texts.h"

namespace dorvane {

inline constexpr std::size_t kShownAdapters = 3;

struct CurrentIPFacts {
  std::vector<std::string> adapterAddresses;  // the first kShownAdapters, in the system's order
  // The reverse-lookup name of the first address; empty without one. No
  // leading blank: it sits in one column with the adapter addresses, which
  // have none.
  std::string hostName;
};

// Blocks for as long as the reverse lookup takes.
CurrentIPFacts GetCurrentIP();

struct SystemTestFacts {
  OperatingSystemValues os;  // empty when the system would not say
  LabelValue dhcp;
  std::optional<RunTimeError> dhcpFailure;  // reported as "DHCP Function"; DHCP then reads False
  LabelValue screen;
  LabelValue freeSpace;
};

// driveEntry: the drive-list entry chosen, empty for none. screen: what the
// window's screen is, nothing without a window system.
SystemTestFacts TestSystem(const std::string& driveEntry, const std::optional<ScreenFacts>& screen);

}  // namespace dorvane
