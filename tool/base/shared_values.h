#pragma once
// Program-wide values that connect the windows. LanguageOffset is read by
// dialogue runs on their worker thread, so it is atomic; the others belong to
// the window thread.

#include <atomic>
#include <cstdint>
#include <string>

namespace dorvane {

inline constexpr int kEnglishOffset = 0;
inline constexpr int kSpanishOffset = 4000;
inline constexpr int kFrenchOffset = 8000;
inline constexpr std::uint32_t kUnitedStatesLocale = 1033;

inline std::atomic<int> LanguageOffset{kEnglishOffset};
inline std::atomic<std::uint32_t> SystemLocaleID{0};
inline std::string NormalizedIPAddress;
// The program's first command-line argument: programming windows open with
// it as the device address when it is not blank.
inline std::string CommandLineText;

// The offset a system locale selects at start-up: French locales give French,
// every other locale English (Spanish is chosen only by its button).
int LanguageOffsetForLocale(std::uint32_t localeId);

// Start-up: remembers the system locale and opens in its language.
void SetLanguageFromLocale(std::uint32_t localeId);

}  // namespace dorvane
