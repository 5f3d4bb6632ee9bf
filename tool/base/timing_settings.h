#pragma once
// The two optional timing values an installer may store by hand to slow down
// or speed up the setup dialogues. Read anew at every use; never written.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace dorvane {

inline constexpr const char* kSettingsApplication = "DORVANE";
inline constexpr const char* kSettingsSection = "PELLAR";
inline constexpr const char* kProgramWaitName = "ProgramWait";
inline constexpr const char* kWaitValueName = "WaitValue";

// Reads one stored value of the "DORVANE"/"PELLAR" section; nothing when the
// value or the section does not exist.
using SettingReader = std::function<std::optional<std::string>(std::string_view name)>;

// Seconds from a stored text. Dot or comma serve as decimal separator,
// whatever the computer's number format; anything else raises the
// type-mismatch RunTimeError (13).
double ParseStoredSeconds(std::string_view text);

// Pause between two setup-mode entry characters ("ProgramWait", 0.5 s).
double KeystrokePause(const SettingReader& read, int languageOffset);
// Pause between two dialogue steps ("WaitValue"); its default is the link's
// own ("0.2" serial, "1" network), so the caller names it.
double AnswerPause(const SettingReader& read, int languageOffset, std::string_view defaultText);

}  // namespace dorvane
