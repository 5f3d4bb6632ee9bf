#pragma once
// The Screen Settings value of the system test.

#include <string>

namespace dorvane {

struct ScreenFacts {
  int width = 0;  // pixels
  int height = 0;
  int bitsPerPixel = 0;
};

// "(16 Color)", "(256 Color)", "(High Color)", "(True Color)"; empty for any
// other depth.
std::string ColourDepthText(int bitsPerPixel);

// "1920 x 1080 (True Color)".
std::string ScreenSettingsText(const ScreenFacts& screen);

// Narrower than 1024 or lower than 768: the tool's windows may not fit.
bool ScreenBelowMinimum(const ScreenFacts& screen);

}  // namespace dorvane
