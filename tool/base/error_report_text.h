#pragma once
// Texts of the standard error report, kept apart from the box that shows
// them so they can be checked exactly.

#include <cstdint>
#include <string>

namespace dorvane {

// Four CR LF separated lines, the last three indented by a tab.
std::string ErrorReportText(const std::string& label, int number, const std::string& description);

// The bilingual hint shown instead of the system's description when a
// programming run fails with a type mismatch on a non-US system locale.
extern const char* const kRegionalSettingsHint;

// What the report of a programming run shows as its description.
std::string RunErrorDescription(int number, const std::string& description, std::uint32_t systemLocaleId);

}  // namespace dorvane
