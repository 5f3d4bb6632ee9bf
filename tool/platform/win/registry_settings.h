#pragma once
// The settings store's read on Windows: the values an installer writes by
// hand into the current user's registry hive. Plain Win32 behind a standard
// library interface, so the MinGW check runs the very read the tool does.

#include <optional>
#include <string>
#include <string_view>

namespace dorvane::platform {

// The key of an application's section below HKEY_CURRENT_USER:
// "Software\<application>\<section>" (where Qt keeps an organisation's
// application too).
std::string UserSettingsKey(std::string_view application, std::string_view section);

// One value of a key below HKEY_CURRENT_USER as text: strings as written,
// DWORD and QWORD numbers in decimal, a value of any other type as an empty
// text (which no reader takes for a number). Nothing when the key or the
// value does not exist. Only the user's hive is read, never the machine's.
std::optional<std::string> ReadUserRegistryText(const std::string& key, std::string_view name);

}  // namespace dorvane::platform
