#pragma once
// The per-user settings store: the registry on Windows, an INI file under the
// user's config folder on Linux (~/.config/DORVANE/PELLAR.conf).

#include <optional>
#include <string>
#include <string_view>

namespace dorvane::platform {

// One stored value, read from the store at this moment; nothing when the
// value does not exist.
std::optional<std::string> ReadSetting(std::string_view name);

// Where the store lives, for messages and the help.
std::string SettingsLocation();

}  // namespace dorvane::platform
