#pragma once
// The computer the tool runs on: the user's rights, the operating system,
// volumes and free space, the locale, the help viewer, the window system and
// the console.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace dorvane::platform {

// Windows: the process token holds the built-in Administrators group.
// Linux: root, or a member of the sudo, wheel or admin group. False when the
// system will not say.
bool IsAdministrator();

// The platform identifiers of the Windows version record; Linux reports
// itself as the NT family.
enum OsPlatform : int { kPlatformWin31 = 0, kPlatformWin9x = 1, kPlatformNT = 2 };

struct OperatingSystemFacts {
  int platform = kPlatformNT;
  std::optional<std::string> name;  // nothing: a version the tool does not know by name
  std::string version;
};

// Windows: platform, name from the version table and version text of the
// true version (not the compatibility version an unmanifested program is
// told). Linux: the NT family, the distribution's pretty name from
// os-release and the kernel release. Nothing when the system will not say.
std::optional<OperatingSystemFacts> CurrentOperatingSystem();

// The computer's volumes for the drive list. Windows: "c:", "d:" ...; Linux:
// the mount points of mounted volumes.
std::vector<std::string> DriveList();

// The entry of DriveList that holds the operating system: Windows the
// system directory's drive, Linux the root file system.
std::string SystemDrive();

// Whether a drive-list entry is the system's drive (Windows: by its letter,
// in either case).
bool IsSystemDrive(const std::string& driveEntry);

// All free bytes of the volume (not only the user's quota) that a drive-list
// entry names: Windows "C:\" for no entry, otherwise the entry's letter;
// Linux the entry's mount point, "/" for no entry. 0 for a volume that is not
// ready.
std::uint64_t TotalFreeBytes(const std::string& driveEntry);

// Locale information types, in the Windows numbering the tool's texts use.
inline constexpr int kLocaleShortDate = 31;         // short date pattern
inline constexpr int kLocaleEnglishCountry = 4098;  // English country name
inline constexpr int kLocaleTimeFormat = 4099;      // time pattern

// The system default locale identifier (Windows numbering). Linux derives it
// from LC_ALL, LC_MESSAGES or LANG.
std::uint32_t SystemDefaultLocaleId();

// One piece of locale information of the user's locale, patterns in the
// Windows notation; empty when the query fails.
std::string LocaleText(int infoType);

// Whether a window system is there to show windows on: always on Windows;
// on Linux when DISPLAY or WAYLAND_DISPLAY names one.
bool WindowSystemConfigured();

// Unless QT_QPA_PLATFORM chooses one, lets Qt fall back to its offscreen
// platform when the configured display cannot be reached, so a program that
// only reads the screen does not end (Linux; nothing to do on Windows).
void AllowOffscreenFallback();

// Whether standard output goes to a terminal (not to a file or a pipe).
bool StandardOutputIsTerminal();
// Whether standard input comes from a terminal, where someone can answer.
bool StandardInputIsTerminal();
// The terminal the program was started from, opened for reading even when
// standard input is a file or a pipe (Linux: /dev/tty; Windows: the
// console's input); null when there is none. The caller closes it.
std::FILE* OpenTerminalInput();

// The permission bits of a file (as 0644) when they let users other than its
// owner read or write it, as a key file must not; none when they do not, or
// where the system keeps no such bits (Windows: its access lists are not read
// here).
std::optional<unsigned> PermissionsOpenToOthers(const std::string& path);

// Ends the process at once with the exit code: no destructors, no atexit
// handlers, no flushing. Safe to call from a signal handler.
[[noreturn]] void ExitImmediately(int code);

}  // namespace dorvane::platform
