// The Linux side of system.h.

#include <grp.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <QStorageInfo>
#include <QtGlobal>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/locale_table.h"
#include "platform/log.h"
#include "platform/operating_system_text.h"
#include "platform/system.h"

namespace dorvane::platform {

namespace {

bool IsAdminGroup(gid_t group) {
  std::vector<char> buffer(16384);
  struct group entry {};
  struct group* found = nullptr;
  if (getgrgid_r(group, &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return false;
  std::string name = found->gr_name;
  return name == "sudo" || name == "wheel" || name == "admin";
}

std::optional<std::string> PrettyName() {
  for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
    std::ifstream file(path);
    if (!file) continue;
    std::ostringstream text;
    text << file.rdbuf();
    return OsReleaseValue(text.str(), "PRETTY_NAME");
  }
  qCWarning(lcPlatform, "no os-release file: the operating system has no name");
  return std::nullopt;
}

LocaleFacts UserLocale() {
  return PosixLocaleFacts(EffectivePosixLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
}

}  // namespace

bool IsAdministrator() {
  if (geteuid() == 0) return true;
  int count = getgroups(0, nullptr);
  if (count < 0) return false;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  count = getgroups(count, groups.data());
  if (count < 0) return false;
  groups.resize(static_cast<std::size_t>(count));
  groups.push_back(getegid());
  for (gid_t group : groups) {
    if (IsAdminGroup(group)) return true;
  }
  return false;
}

std::optional<OperatingSystemFacts> CurrentOperatingSystem() {
  utsname system{};
  if (uname(&system) != 0) {
    qCWarning(lcPlatform, "uname failed: %s", std::strerror(errno));
    return std::nullopt;
  }
  return OperatingSystemFacts{kPlatformNT, PrettyName(), system.release};
}

std::vector<std::string> DriveList() {
  std::vector<std::string> drives;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady()) drives.push_back(volume.rootPath().toStdString());
  }
  return drives;
}

std::string SystemDrive() { return "/"; }

bool IsSystemDrive(const std::string& driveEntry) { return driveEntry == SystemDrive(); }

std::uint64_t TotalFreeBytes(const std::string& driveEntry) {
  struct statvfs volume {};
  const char* path = driveEntry.empty() ? "/" : driveEntry.c_str();
  if (statvfs(path, &volume) != 0) {
    qCWarning(lcPlatform, "free space of %s: %s", path, std::strerror(errno));
    return 0;
  }
  // f_bfree counts the blocks kept for root as well: all free bytes, as the
  // Windows total does.
  return static_cast<std::uint64_t>(volume.f_bfree) * volume.f_frsize;
}

std::uint32_t SystemDefaultLocaleId() { return UserLocale().localeId; }

std::string LocaleText(int infoType) {
  LocaleFacts locale = UserLocale();
  switch (infoType) {
    case kLocaleShortDate: return locale.shortDate;
    case kLocaleEnglishCountry: return locale.country;
    case kLocaleTimeFormat: return locale.timeFormat;
    default: return {};
  }
}

bool WindowSystemConfigured() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void AllowOffscreenFallback() {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  qputenv("QT_QPA_PLATFORM",
          qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "xcb;offscreen" : "wayland;xcb;offscreen");
}

bool StandardOutputIsTerminal() { return isatty(STDOUT_FILENO) != 0; }

bool StandardInputIsTerminal() { return isatty(STDIN_FILENO) != 0; }

std::FILE* OpenTerminalInput() { return std::fopen("/dev/tty", "re"); }

std::optional<unsigned> PermissionsOpenToOthers(const std::string& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return std::nullopt;
  if ((status.st_mode & (S_IRWXG | S_IRWXO)) == 0) return std::nullopt;
  return static_cast<unsigned>(status.st_mode & 07777);
}

// _exit, not exit: it is async-signal-safe.
void ExitImmediately(int code) { _exit(code); }

}  // namespace dorvane::platform
