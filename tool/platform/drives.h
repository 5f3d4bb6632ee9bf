#pragma once
// The computer's volumes for the drive list, and which one is the system's.

#include <string>
#include <vector>

namespace dorvane::platform {

// Windows: "c:", "d:" ...; Linux: the mount points of mounted volumes.
std::vector<std::string> DriveList();

// The entry of DriveList that holds the operating system: Windows the
// system directory's drive, Linux the root file system.
std::string SystemDrive();

}  // namespace dorvane::platform
