#pragma once
// The values Test System shows, with their backgrounds: light red marks what
// could hinder programming. They are English texts in every language.

#include <cstdint>
#include <optional>
#include <string>

#include "diagnostics/value_colour.h"
#include "platform/system.h"

namespace dorvane {

struct ScreenFacts {
  int width = 0;  // pixels
  int height = 0;
  int bitsPerPixel = 0;
};

// "(16 Color)", "(256 Color)", "(High Color)", "(True Color)"; empty for any
// other depth.
std::string ColourDepthText(int bitsPerPixel);

// The Screen Settings value: "1920 x 1080 (True Color)".
std::string ScreenSettingsText(const ScreenFacts& screen);

// Narrower than 1024 or lower than 768: the tool's windows may not fit.
bool ScreenBelowMinimum(const ScreenFacts& screen);

// The Disk Free Space value: bytes in units of 1024 x 1024 x 1024 with two
// decimals and " GB": 1.5 GiB gives "1.50 GB". The decimal point is always a
// point: the value is an English text in every language.
std::string FreeSpaceText(std::uint64_t freeBytes);

// Admin Status, Operating System and System Version. A label without a value
// here keeps what it shows.
struct OperatingSystemValues {
  std::optional<LabelValue> admin;
  std::optional<LabelValue> name;
  std::optional<LabelValue> version;
};

OperatingSystemValues OperatingSystemLabelValues(const platform::OperatingSystemFacts& facts, bool administrator);

// " True" on light red (an address from a DHCP server may lie outside the
// board's network) or " False" on white.
LabelValue DhcpValue(bool enabled);

// The screen, light red below 1024 x 768. Without a window system (pellarctl
// on a console) "Not Available" on light red.
LabelValue ScreenValue(const std::optional<ScreenFacts>& screen);

// "1.50 GB" on white.
LabelValue FreeSpaceValue(std::uint64_t freeBytes);

}  // namespace dorvane
