#pragma once
// The platform layer's log ("dorvane.platform"): where a system call fails
// and the documented answer is a default value, the reason is written here.
// Defined in network.cpp.

#include <QLoggingCategory>

namespace dorvane::platform {

Q_DECLARE_LOGGING_CATEGORY(lcPlatform)

}  // namespace dorvane::platform
