#include <sys/utsname.h>

#include <fstream>
#include <sstream>

#include "diagnostics/operating_system_text.h"
#include "platform/operating_system.h"

namespace dorvane::platform {

namespace {

std::optional<std::string> PrettyName() {
  for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
    std::ifstream file(path);
    if (!file) continue;
    std::ostringstream text;
    text << file.rdbuf();
    return OsReleaseValue(text.str(), "PRETTY_NAME");
  }
  return std::nullopt;
}

}  // namespace

std::optional<OperatingSystemFacts> CurrentOperatingSystem() {
  utsname system{};
  if (uname(&system) != 0) return std::nullopt;
  return OperatingSystemFacts{kPlatformNT, PrettyName(), system.release};
}

}  // namespace dorvane::platform
