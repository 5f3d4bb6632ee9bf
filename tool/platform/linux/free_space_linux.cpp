#include <sys/statvfs.h>

#include "platform/free_space.h"

namespace dorvane::platform {

std::uint64_t TotalFreeBytes(const std::string& driveEntry) {
  struct statvfs volume {};
  if (statvfs(driveEntry.empty() ? "/" : driveEntry.c_str(), &volume) != 0) return 0;
  // f_bfree counts the blocks kept for root as well: all free bytes, as the
  // Windows total does.
  return static_cast<std::uint64_t>(volume.f_bfree) * volume.f_frsize;
}

}  // namespace dorvane::platform
