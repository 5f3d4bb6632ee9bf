#pragma once
// Locale facts of the computer, in the terms the tool's texts use.

#include <cstdint>
#include <string>

namespace dorvane::platform {

inline constexpr int kLocaleShortDate = 31;       // short date pattern
inline constexpr int kLocaleEnglishCountry = 4098;  // English country name
inline constexpr int kLocaleTimeFormat = 4099;    // time pattern

// The system default locale identifier (Windows numbering). Linux derives it
// from LC_ALL, LC_MESSAGES or LANG.
std::uint32_t SystemDefaultLocaleId();

// One piece of locale information of the user's locale; empty when the
// query fails.
std::string LocaleText(int infoType);

}  // namespace dorvane::platform
