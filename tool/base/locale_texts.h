#pragma once
// Texts built from locale facts for the main window's caption and status bar.

#include <string>

namespace dorvane {

// The user's short date pattern in capitals ("M/D/YYYY"); "mm/dd/yy" when
// the locale gave nothing.
std::string ShortDateFormatText(const std::string& localePattern);
// The user's time pattern in capitals ("H:MM:SS TT"); "HH:mm:ss" when the
// locale gave nothing.
std::string TimeFormatText(const std::string& localePattern);

// " - Version 6.1.0 (United States)": appended to the main window's caption.
std::string VersionCaptionSuffix(const std::string& country);

}  // namespace dorvane
