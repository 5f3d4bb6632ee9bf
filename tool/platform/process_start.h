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

// Whether the system has a device manager to show its serial ports in
// (Windows: devmgmt.msc), and starting it; false when it did not start.
bool HasDeviceManager();
bool OpenDeviceManager();

}  // namespace dorvane::platform
