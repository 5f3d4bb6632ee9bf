#pragma once
// The running operating system for the system test.

#include <optional>

#include "diagnostics/system_test_values.h"

namespace dorvane::platform {

// Windows: platform, name from the version table and version text of the
// true version (not the compatibility version an unmanifested program is
// told). Linux: the NT family, the distribution's pretty name from
// os-release and the kernel release. Nothing when the system will not say.
std::optional<OperatingSystemFacts> CurrentOperatingSystem();

}  // namespace dorvane::platform
