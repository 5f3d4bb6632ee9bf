#pragma once
// Whether the user running the tool has administrator rights.

namespace dorvane::platform {

// Windows: the process token holds the built-in Administrators group.
// Linux: root, or a member of the sudo, wheel or admin group. False when the
// system will not say.
bool IsAdministrator();

}  // namespace dorvane::platform
