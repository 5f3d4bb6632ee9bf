#include <cstdlib>

#include "platform/locale_info.h"
#include "platform/locale_table.h"

namespace dorvane::platform {

namespace {

const LocaleEntry& UserLocale() {
  return LookupPosixLocale(EffectivePosixLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                                std::getenv("LANG")));
}

}  // namespace

std::uint32_t SystemDefaultLocaleId() { return UserLocale().localeId; }

std::string LocaleText(int infoType) {
  const LocaleEntry& entry = UserLocale();
  switch (infoType) {
    case kLocaleShortDate: return std::string(entry.shortDate);
    case kLocaleEnglishCountry: return std::string(entry.country);
    case kLocaleTimeFormat: return std::string(entry.timeFormat);
    default: return {};
  }
}

}  // namespace dorvane::platform
