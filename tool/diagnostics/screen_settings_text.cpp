#include "diagnostics/screen_settings_text.h"

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

}  // namespace dorvane
