#pragma once
// A failure inside a handler: carries the number and description that the
// handler's trap hands to the error report. Input problems never use this;
// they are message boxes.

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

}  // namespace dorvane
