#pragma once
// The values Test System shows, with their backgrounds: light red marks what
// could hinder programming. They are English texts in every language.

#include <cstdint>
#include <optional>
#include <string>

#include "diagnostics/screen_settings_text.h"
#include "diagnostics/value_colour.h"

namespace dorvane {

// The platform identifiers of the Windows version record; Linux reports
// itself as the NT family.
enum OsPlatform : int { kPlatformWin31 = 0, kPlatformWin9x = 1, kPlatformNT = 2 };

struct OperatingSystemFacts {
  int platform = kPlatformNT;
  std::optional<std::string> name;  // nothing: a version the tool does not know by name
  std::string version;
};

// Admin Status, Operating System and System Version. A label without a value
// here keeps what it shows.
struct OperatingSystemValues {
  std::optional<LabelValue> admin;
  std::optional<LabelValue> name;
  std::optional<LabelValue> version;
};

OperatingSystemValues OperatingSystemLabelValues(const OperatingSystemFacts& facts, bool administrator);

// " True" on light red (an address from a DHCP server may lie outside the
// board's network) or " False" on white.
LabelValue DhcpValue(bool enabled);

// The screen, light red below 1024 x 768. Without a window system (pellarctl
// on a console) "Not Available" on light red.
LabelValue ScreenValue(const std::optional<ScreenFacts>& screen);

// "1.50 GB" on white.
LabelValue FreeSpaceValue(std::uint64_t freeBytes);

}  // namespace dorvane
