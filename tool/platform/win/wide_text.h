#pragma once
// UTF-8, the tool's texts, to and from UTF-16, the texts of the Win32 "W"
// calls.

#include <string>
#include <string_view>

namespace dorvane::platform {

std::wstring Wide(std::string_view text);
std::string Utf8(std::wstring_view wide);

}  // namespace dorvane::platform
