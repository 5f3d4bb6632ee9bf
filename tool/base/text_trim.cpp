#include "base/text_trim.h"

namespace dorvane {

std::string TrimNullChar(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

std::string_view TrimBlanks(std::string_view text, std::string_view blanks) {
  std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace dorvane
