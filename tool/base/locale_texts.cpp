#include "base/locale_texts.h"

#include <cctype>

namespace dorvane {

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::string ShortDateFormatText(const std::string& localePattern) {
  return localePattern.empty() ? "mm/dd/yy" : Upper(localePattern);
}

std::string TimeFormatText(const std::string& localePattern) {
  return localePattern.empty() ? "HH:mm:ss" : Upper(localePattern);
}

std::string VersionCaptionSuffix(const std::string& country) {
  return " - Version " + std::to_string(PELLAR_VERSION_MAJOR) + "." + std::to_string(PELLAR_VERSION_MINOR) +
         "." + std::to_string(PELLAR_VERSION_PATCH) + " (" + country + ")";
}

}  // namespace dorvane
