#include "diagnostics/system_test_values.h"

#include "diagnostics/free_space_text.h"

namespace dorvane {

OperatingSystemValues OperatingSystemLabelValues(const OperatingSystemFacts& facts, bool administrator) {
  switch (facts.platform) {
    case kPlatformWin31:
      return {LabelValue{"Not Applicable", ValueColour::kLightRed}, LabelValue{"Win 3.1", ValueColour::kLightRed},
              LabelValue{"Not Supported", ValueColour::kLightRed}};
    case kPlatformWin9x: return {LabelValue{"Not Applicable"}, LabelValue{"Win 9x"}, LabelValue{facts.version}};
    case kPlatformNT: {
      OperatingSystemValues values;
      values.admin = administrator ? LabelValue{"True"} : LabelValue{"False", ValueColour::kLightRed};
      if (facts.name) values.name = LabelValue{*facts.name};
      values.version = LabelValue{facts.version};
      return values;
    }
    default: return {};
  }
}

LabelValue DhcpValue(bool enabled) {
  return enabled ? LabelValue{" True", ValueColour::kLightRed} : LabelValue{" False"};
}

LabelValue ScreenValue(const std::optional<ScreenFacts>& screen) {
  if (!screen) return {"Not Available", ValueColour::kLightRed};
  return {ScreenSettingsText(*screen), ScreenBelowMinimum(*screen) ? ValueColour::kLightRed : ValueColour::kWhite};
}

LabelValue FreeSpaceValue(std::uint64_t freeBytes) { return {FreeSpaceText(freeBytes)}; }

}  // namespace dorvane
