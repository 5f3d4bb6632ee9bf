#include <windows.h>

#include "platform/free_space.h"

namespace dorvane::platform {

std::uint64_t TotalFreeBytes(const std::string& driveEntry) {
  std::string root = driveEntry.empty() ? std::string("C:\\") : driveEntry.substr(0, 1) + ":\\";
  // An empty card reader must give 0, not the system's "drive not ready" box.
  UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  ULARGE_INTEGER totalFree{};
  BOOL ok = GetDiskFreeSpaceExA(root.c_str(), nullptr, nullptr, &totalFree);
  SetErrorMode(previousMode);
  return ok ? totalFree.QuadPart : 0;
}

}  // namespace dorvane::platform
