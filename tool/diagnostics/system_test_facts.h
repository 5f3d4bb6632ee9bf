#pragma once
// Test System: administrator status, operating system, DHCP, screen and
// free space, the same for the main window and pellarctl.

#include <optional>
#include <string>

#include "diagnostics/screen_settings_text.h"
#include "diagnostics/system_test_values.h"
#include "base/run_time_error.h"

namespace dorvane {

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
