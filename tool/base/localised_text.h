#pragma once
// The localised string table (139 English texts at 1000..1138, and the help
// window's own at 1150..1157, with their Spanish (+4000) and French (+8000)
// translations, compiled into the program), the language it is read in, and
// the locale texts of the main window's caption and status bar. LanguageOffset is read by dialogue runs on
// their worker thread, so it is atomic.

#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace dorvane {

inline constexpr int kFirstTextId = 1000;
inline constexpr int kLastTextId = 1138;

inline constexpr int kEnglishOffset = 0;
inline constexpr int kSpanishOffset = 4000;
inline constexpr int kFrenchOffset = 8000;
inline constexpr std::uint32_t kUnitedStatesLocale = 1033;

inline std::atomic<int> LanguageOffset{kEnglishOffset};
inline std::atomic<std::uint32_t> SystemLocaleID{0};

// Every entry of the compiled-in table, by identifier.
const std::map<int, std::string>& StringTable();

// Text of entry baseId + LanguageOffset; a missing entry raises RunTimeError
// (the caller's trap reports it).
std::string LoadText(int baseId);
std::string LoadText(int baseId, int languageOffset);

// Parses a tag property: the decimal base identifier, or -1 when the tag is
// empty or not a number (such controls keep their designed text).
int ParseTextTag(std::string_view tag);

// The offset a system locale selects at start-up: French locales give French,
// every other locale English (Spanish is chosen only by its button).
int LanguageOffsetForLocale(std::uint32_t localeId);

// Start-up: remembers the system locale and opens in its language.
void SetLanguageFromLocale(std::uint32_t localeId);

// The user's short date pattern in capitals ("M/D/YYYY"); "mm/dd/yy" when
// the locale gave nothing.
std::string ShortDateFormatText(const std::string& localePattern);
// The user's time pattern in capitals ("H:MM:SS TT"); "HH:mm:ss" when the
// locale gave nothing.
std::string TimeFormatText(const std::string& localePattern);

// " - Version 6.1.0 (United States)": appended to the main window's caption.
std::string VersionCaptionSuffix(const std::string& country);

}  // namespace dorvane
