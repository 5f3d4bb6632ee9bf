#pragma once
// Names and version texts of the operating system for the system test.

#include <optional>
#include <string>
#include <string_view>

namespace dorvane::platform {

// The name of a Windows version by its major and minor version (the build
// number tells Windows 11 from Windows 10); nothing for a version the tool
// does not know by name.
std::optional<std::string> WindowsName(int major, int minor, int build);

// "6.1 Service Pack 1": major, ".", minor, a blank and the service-pack text
// up to its first NUL character (the text ends with the blank when there is
// no service pack).
std::string WindowsVersionText(int major, int minor, std::string_view servicePack);

// One value of an os-release file ("PRETTY_NAME"), unquoted; nothing when
// the file does not set it.
std::optional<std::string> OsReleaseValue(std::string_view text, std::string_view key);

}  // namespace dorvane::platform
