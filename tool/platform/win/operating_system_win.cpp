#include <windows.h>

#include "diagnostics/operating_system_text.h"
#include "platform/operating_system.h"

namespace dorvane::platform {

std::optional<OperatingSystemFacts> CurrentOperatingSystem() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#ifdef _MSC_VER
#pragma warning(push)
#pragma warning(disable : 4996)  // GetVersionExA is deprecated, and it is what gives the service pack
#endif
  if (!GetVersionExA(&info)) return std::nullopt;
#ifdef _MSC_VER
#pragma warning(pop)
#endif
  DWORD major = info.dwMajorVersion;
  DWORD minor = info.dwMinorVersion;
  DWORD build = info.dwBuildNumber;
  // Without a compatibility manifest GetVersionExA says Windows 8 on every
  // later version; the kernel's own call tells the truth.
  using RtlGetVersionCall = LONG(WINAPI*)(OSVERSIONINFOW*);
  if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
    // Through void (*)(), the one function type any other may be cast from.
    auto rtlGetVersion =
        reinterpret_cast<RtlGetVersionCall>(reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "RtlGetVersion")));
    OSVERSIONINFOW actual{};
    actual.dwOSVersionInfoSize = sizeof actual;
    if (rtlGetVersion && rtlGetVersion(&actual) == 0) {
      major = actual.dwMajorVersion;
      minor = actual.dwMinorVersion;
      build = actual.dwBuildNumber;
    }
  }
  int majorVersion = static_cast<int>(major);
  int minorVersion = static_cast<int>(minor);
  return OperatingSystemFacts{static_cast<int>(info.dwPlatformId),
                              WindowsName(majorVersion, minorVersion, static_cast<int>(build)),
                              WindowsVersionText(majorVersion, minorVersion, info.szCSDVersion)};
}

}  // namespace dorvane::platform
