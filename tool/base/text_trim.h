#pragma once
// Trimming texts: fixed-size character fields from system calls end at their
// first NUL; texts typed by the installer or read from files may carry
// blanks around them.

#include <string>
#include <string_view>

namespace dorvane {

// The text before its first NUL; the whole text when it has none.
std::string TrimNullChar(std::string_view text);

// The text without the given characters at either end (by default the blank
// alone, which is all the input checks of the windows remove); a view into
// text, so the text must outlive it.
std::string_view TrimBlanks(std::string_view text, std::string_view blanks = " ");

}  // namespace dorvane
