#include "base/timing_settings.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "base/localised_text.h"
#include "base/run_time_error.h"

namespace dorvane {

double ParseStoredSeconds(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  std::string plain;
  bool digits = false;
  bool separator = false;
  for (char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      digits = true;
      plain += c;
    } else if ((c == '.' || c == ',') && !separator) {
      separator = true;
      plain += '.';
    } else {
      throw RunTimeError(kTypeMismatch, "Type mismatch");
    }
  }
  if (!digits) throw RunTimeError(kTypeMismatch, "Type mismatch");
  // strtod follows the C locale, which the program never changes.
  double seconds = std::strtod(plain.c_str(), nullptr);
  if (!std::isfinite(seconds)) throw RunTimeError(kTypeMismatch, "Type mismatch");
  return seconds;
}

namespace {

double ReadPause(const SettingReader& read, int languageOffset, const char* name, std::string_view fallbackText) {
  // The French interface never reads the store: its users' number format
  // used to break dot-decimal values, so the default is taken as it is.
  if (languageOffset == kFrenchOffset) return ParseStoredSeconds(fallbackText);
  std::optional<std::string> stored = read ? read(name) : std::nullopt;
  return ParseStoredSeconds(stored ? std::string_view(*stored) : fallbackText);
}

}  // namespace

double KeystrokePause(const SettingReader& read, int languageOffset) {
  return ReadPause(read, languageOffset, kProgramWaitName, "0.5");
}

double AnswerPause(const SettingReader& read, int languageOffset, std::string_view defaultText) {
  return ReadPause(read, languageOffset, kWaitValueName, defaultText);
}

}  // namespace dorvane
