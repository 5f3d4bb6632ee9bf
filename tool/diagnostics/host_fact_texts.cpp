#include "diagnostics/host_fact_texts.h"

#include <charconv>

namespace dorvane {

std::string ColourDepthText(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 4: return "(16 Color)";
    case 8: return "(256 Color)";
    case 16: return "(High Color)";
    case 24:
    case 32: return "(True Color)";
    default: return {};
  }
}

std::string ScreenSettingsText(const ScreenFacts& screen) {
  return std::to_string(screen.width) + " x " + std::to_string(screen.height) + " " +
         ColourDepthText(screen.bitsPerPixel);
}

bool ScreenBelowMinimum(const ScreenFacts& screen) { return screen.height < 768 || screen.width < 1024; }

std::string FreeSpaceText(std::uint64_t freeBytes) {
  double gigabytes = static_cast<double>(freeBytes) / 1024.0 / 1024.0 / 1024.0;
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, gigabytes, std::chars_format::fixed, 2);
  if (ec != std::errc()) return "0.00 GB";
  return std::string(buffer, end) + " GB";
}

OperatingSystemValues OperatingSystemLabelValues(const platform::OperatingSystemFacts& facts, bool administrator) {
  switch (facts.platform) {
    case platform::kPlatformWin31:
      return {LabelValue{"Not Applicable", ValueColour::kLightRed}, LabelValue{"Win 3.1", ValueColour::kLightRed},
              LabelValue{"Not Supported", ValueColour::kLightRed}};
    case platform::kPlatformWin9x:
      return {LabelValue{"Not Applicable"}, LabelValue{"Win 9x"}, LabelValue{facts.version}};
    case platform::kPlatformNT: {
      OperatingSystemValues values;
      values.admin = administrator ? LabelValue{"True"} : LabelValue{"False", ValueColour::kLightRed};
      if (facts.name) values.name = LabelValue{*facts.name};
      values.version = LabelValue{facts.version};
      return values;
    }
    default: return {};
  }
}

// Without a leading blank, like the administrator status above it: the
// system-test column lines up.
LabelValue DhcpValue(bool enabled) {
  return enabled ? LabelValue{"True", ValueColour::kLightRed} : LabelValue{"False"};
}

LabelValue ScreenValue(const std::optional<ScreenFacts>& screen) {
  if (!screen) return {"Not Available", ValueColour::kLightRed};
  return {ScreenSettingsText(*screen), ScreenBelowMinimum(*screen) ? ValueColour::kLightRed : ValueColour::kWhite};
}

LabelValue FreeSpaceValue(std::uint64_t freeBytes) { return {FreeSpaceText(freeBytes)}; }

}  // namespace dorvane
