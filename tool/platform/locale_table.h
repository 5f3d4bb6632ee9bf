#pragma once
// Windows locale identifiers for POSIX locale names, so the Linux build picks
// its language and caption country the way the Windows build does.

#include <cstdint>
#include <string>
#include <string_view>

namespace dorvane::platform {

struct LocaleEntry {
  std::string_view posixName;   // "fr_CA"
  std::uint32_t localeId;       // 3084
  std::string_view country;     // English country name: "Canada"
  std::string_view shortDate;   // Windows short date pattern: "yyyy-MM-dd"
  std::string_view timeFormat;  // Windows time pattern: "HH:mm:ss"
};

// The locale a POSIX locale value ("fr_CA.UTF-8@euro", "C", "") stands for.
// The C/POSIX locale and unknown languages fall back to en_US; a known
// language in an unlisted country falls back to its language's main entry.
const LocaleEntry& LookupPosixLocale(std::string_view value);

// The value that decides the locale: LC_ALL, then LC_MESSAGES, then LANG,
// the first one set and not empty.
std::string EffectivePosixLocale(const char* lcAll, const char* lcMessages, const char* lang);

}  // namespace dorvane::platform
