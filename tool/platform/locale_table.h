#pragma once
// The locale facts of a POSIX locale name in the terms of the Windows build:
// its Windows locale identifier, so the Linux build picks its language the
// way the Windows build does, its English country name for the caption, and
// its short date and time patterns in the Windows notation.

#include <cstdint>
#include <string>
#include <string_view>

namespace dorvane::platform {

// What Windows reports for a locale that has no identifier of its own.
inline constexpr std::uint32_t kLocaleCustomUnspecified = 0x1000;

struct LocaleFacts {
  std::uint32_t localeId = 0;  // 3084
  std::string country;         // English country name: "Canada"
  std::string shortDate;       // Windows short date pattern: "yyyy-MM-dd"
  std::string timeFormat;      // Windows time pattern: "HH:mm:ss"
};

// The locale a POSIX locale value ("fr_CA.UTF-8@euro", "fr-CA", "C", "")
// stands for. Country and patterns come from Qt's locale data for the
// value's language and country; the identifier only for the locales whose
// number matters (United States English and the six French locales),
// kLocaleCustomUnspecified for every other. The C/POSIX locale and languages
// Qt does not know are United States English.
LocaleFacts PosixLocaleFacts(std::string_view value);

// The value that decides the locale: LC_ALL, then LC_MESSAGES, then LANG,
// the first one set and not empty.
std::string EffectivePosixLocale(const char* lcAll, const char* lcMessages, const char* lang);

}  // namespace dorvane::platform
