#pragma once
// Fixed-size character fields from system calls end at their first NUL.

#include <string>
#include <string_view>

namespace dorvane {

// The text before its first NUL; the whole text when it has none.
std::string TrimNullChar(std::string_view text);

}  // namespace dorvane
