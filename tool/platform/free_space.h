#pragma once
// Free space of a volume for the system test.

#include <cstdint>
#include <string>

namespace dorvane::platform {

// All free bytes of the volume (not only the user's quota) that a drive-list
// entry names: Windows "C:\" for no entry, otherwise the entry's letter;
// Linux the entry's mount point, "/" for no entry. 0 for a volume that is not
// ready.
std::uint64_t TotalFreeBytes(const std::string& driveEntry);

}  // namespace dorvane::platform
