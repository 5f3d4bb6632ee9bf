#pragma once
// The background a value of the main window gets, named by its meaning so
// the core can decide it without Qt (the window maps it to its colours).

#include <string>

namespace dorvane {

enum class ValueColour { kWhite, kLightRed, kLightGreen };

// A label's text and background.
struct LabelValue {
  std::string text;
  ValueColour colour = ValueColour::kWhite;
};

}  // namespace dorvane
