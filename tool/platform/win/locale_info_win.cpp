#include <windows.h>

#include "platform/locale_info.h"

namespace dorvane::platform {

std::uint32_t SystemDefaultLocaleId() { return static_cast<std::uint32_t>(GetSystemDefaultLCID()); }

std::string LocaleText(int infoType) {
  char buffer[256] = {};
  int count = GetLocaleInfoA(LOCALE_USER_DEFAULT, static_cast<LCTYPE>(infoType), buffer, sizeof buffer);
  if (count <= 0) return {};
  return std::string(buffer, static_cast<std::size_t>(count - 1));
}

}  // namespace dorvane::platform
