#pragma once
// Starting other programs without waiting for them.

#include <string>
#include <vector>

namespace dorvane::platform {

// Starts the program as a new process with a normal window; false when no
// process could be started.
bool StartProgram(const std::string& path, const std::vector<std::string>& arguments = {});

// The operating system's network connections view. False with a reason when
// there is none to open.
bool OpenNetworkConnections(std::string& whyNot);

}  // namespace dorvane::platform
