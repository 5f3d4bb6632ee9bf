#include "platform/operating_system_text.h"

#include <sstream>

#include "base/text_trim.h"

namespace dorvane::platform {

namespace {

constexpr int kFirstWindows11Build = 22000;

// Shell-style value: double or single quotes around it, backslash escapes
// inside double quotes.
std::string Unquoted(std::string_view value) {
  if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'') {
    return std::string(value.substr(1, value.size() - 2));
  }
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return std::string(value);
  value = value.substr(1, value.size() - 2);
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) ++i;
    text += value[i];
  }
  return text;
}

}  // namespace

std::optional<std::string> WindowsName(int major, int minor, int build) {
  if (major == 5 && minor == 0) return "Windows 2000";
  if (major == 5 && minor == 1) return "Windows XP";
  if (major == 5 && minor == 2) return "Windows Server 2003";
  if (major == 6 && minor == 0) return "Windows Vista or Server 2008";
  if (major == 6 && minor == 1) return "Windows 7 or Server 2008 R2";
  if (major == 6 && minor == 2) return "Windows 8 or Server 2012";
  if (major == 10 && minor == 0) {
    return build >= kFirstWindows11Build ? "Windows 11 or Server 2025" : "Windows 10 or Server 2016 to 2022";
  }
  return std::nullopt;
}

std::string WindowsVersionText(int major, int minor, std::string_view servicePack) {
  return std::to_string(major) + "." + std::to_string(minor) + " " + TrimNullChar(servicePack);
}

std::optional<std::string> OsReleaseValue(std::string_view text, std::string_view key) {
  std::istringstream lines{std::string(text)};
  std::string line;
  const std::string prefix = std::string(key) + "=";
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(prefix, 0) == 0) return Unquoted(std::string_view(line).substr(prefix.size()));
  }
  return std::nullopt;
}

}  // namespace dorvane::platform
