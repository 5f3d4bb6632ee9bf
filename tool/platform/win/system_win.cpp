// The Windows side of system.h.

// Plain Win32 and the standard library, so the MinGW check compiles and
// runs it; the drive list, which asks Qt, is drive_list_win.cpp.
#define NOMINMAX
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/operating_system_text.h"
#include "platform/system.h"

namespace dorvane::platform {

namespace {

std::optional<std::string> AccountName(PSID sid) {
  char name[255] = {};
  DWORD nameSize = sizeof name;
  char domain[255] = {};
  DWORD domainSize = sizeof domain;
  SID_NAME_USE use{};
  if (!LookupAccountSidA(nullptr, sid, name, &nameSize, domain, &domainSize, &use)) return std::nullopt;
  return std::string(name);
}

}  // namespace

bool IsAdministrator() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_READ, &token)) return false;
  bool administrator = false;
  DWORD length = 0;
  GetTokenInformation(token, TokenGroups, nullptr, 0, &length);
  std::vector<unsigned char> buffer(length);
  SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (length > 0 && GetTokenInformation(token, TokenGroups, buffer.data(), length, &length) &&
      AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                               &administrators)) {
    // By name, as the group list is read: the group's attributes (enabled,
    // deny-only) are not looked at.
    std::optional<std::string> administratorsName = AccountName(administrators);
    const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());
    const SID_AND_ATTRIBUTES* group = groups->Groups;
    for (DWORD i = 0; administratorsName && i < groups->GroupCount && !administrator; ++i) {
      administrator = AccountName(group[i].Sid) == administratorsName;
    }
    FreeSid(administrators);
  }
  CloseHandle(token);
  return administrator;
}

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

std::uint64_t TotalFreeBytes(const std::string& driveEntry) {
  std::string root = driveEntry.empty() ? std::string("C:\\") : driveEntry.substr(0, 1) + ":\\";
  // An empty card reader must give 0, not the system's "drive not ready" box.
  UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  ULARGE_INTEGER totalFree{};
  BOOL ok = GetDiskFreeSpaceExA(root.c_str(), nullptr, nullptr, &totalFree);
  SetErrorMode(previousMode);
  return ok ? totalFree.QuadPart : 0;
}

std::uint32_t SystemDefaultLocaleId() { return static_cast<std::uint32_t>(GetSystemDefaultLCID()); }

std::string LocaleText(int infoType) {
  char buffer[256] = {};
  int count = GetLocaleInfoA(LOCALE_USER_DEFAULT, static_cast<LCTYPE>(infoType), buffer, sizeof buffer);
  if (count <= 0) return {};
  return std::string(buffer, static_cast<std::size_t>(count - 1));
}

bool WindowSystemConfigured() { return true; }

void AllowOffscreenFallback() {}

bool StandardOutputIsTerminal() { return _isatty(_fileno(stdout)) != 0; }

bool StandardInputIsTerminal() { return _isatty(_fileno(stdin)) != 0; }

std::FILE* OpenTerminalInput() { return _wfopen(L"CONIN$", L"r"); }

// Windows keeps who may read a file in its access list, not in mode bits the
// C library could report truthfully, so nothing is said here.
std::optional<unsigned> PermissionsOpenToOthers(const std::string&) { return std::nullopt; }

void ExitImmediately(int code) { _exit(code); }

}  // namespace dorvane::platform
