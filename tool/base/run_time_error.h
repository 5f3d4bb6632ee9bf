#pragma once
// A failure inside a handler: carries the number and description that the
// handler's trap hands to the error report. Input problems never use this;
// they are message boxes. The report's texts are kept apart from the box
// that shows them so they can be checked exactly.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace dorvane {

// Numbers the tool raises itself, in the numbering the error report shows.
enum RunTimeErrorNumber : int {
  kTypeMismatch = 13,
  kFileNotFound = 53,
  kResourceNotFound = 326,
};

class RunTimeError : public std::runtime_error {
 public:
  RunTimeError(int number, const std::string& description)
      : std::runtime_error(description), m_number(number) {}
  int Number() const { return m_number; }
  std::string Description() const { return what(); }

 private:
  int m_number;
};

// Call from a catch block: the exception being handled as the report shows
// it, a RunTimeError as it is, anything else as error 5 with its text.
RunTimeError CurrentRunTimeError();

// Four CR LF separated lines, the last three indented by a tab.
std::string ErrorReportText(const std::string& label, int number, const std::string& description);

// The bilingual hint shown instead of the system's description when a
// programming run fails with a type mismatch on a non-US system locale.
extern const char* const kRegionalSettingsHint;

// What the report of a programming run shows as its description.
std::string RunErrorDescription(int number, const std::string& description, std::uint32_t systemLocaleId);

}  // namespace dorvane
