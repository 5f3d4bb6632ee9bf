#include "base/trim_null_char.h"

namespace dorvane {

std::string TrimNullChar(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

}  // namespace dorvane
