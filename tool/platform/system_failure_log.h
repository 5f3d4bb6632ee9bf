#pragma once
// The platform log ("dorvane.platform", log.h) for the files that use the
// standard library and the system only: where a system call fails and the
// documented answer is a default value, the reason is written here. Defined
// in network.cpp; the MinGW check program, which has no Qt, writes it to its
// standard error.

#include <string>

namespace dorvane::platform {

void LogSystemFailure(const std::string& text);

}  // namespace dorvane::platform
