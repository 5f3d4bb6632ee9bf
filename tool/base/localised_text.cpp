#include "base/localised_text.h"

#include <cctype>
#include <charconv>
#include <cstddef>

#include "base/run_time_error.h"

namespace dorvane {

extern const unsigned char kStringTableBytes[];
extern const std::size_t kStringTableSize;

namespace {

std::map<int, std::string> ParseTable() {
  std::map<int, std::string> table;
  std::string_view data(reinterpret_cast<const char*>(kStringTableBytes), kStringTableSize);
  while (!data.empty()) {
    std::size_t end = data.find('\n');
    std::string_view line = data.substr(0, end);
    data = end == std::string_view::npos ? std::string_view() : data.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) continue;
    int id = 0;
    auto [ptr, ec] = std::from_chars(line.data(), line.data() + tab, id);
    if (ec != std::errc() || ptr != line.data() + tab) continue;
    table.emplace(id, std::string(line.substr(tab + 1)));
  }
  return table;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

const std::map<int, std::string>& StringTable() {
  static const std::map<int, std::string> table = ParseTable();
  return table;
}

std::string LoadText(int baseId, int languageOffset) {
  const auto& table = StringTable();
  auto it = table.find(baseId + languageOffset);
  if (it == table.end()) {
    throw RunTimeError(kResourceNotFound, "Resource with identifier '" +
                                              std::to_string(baseId + languageOffset) +
                                              "' not found");
  }
  return it->second;
}

std::string LoadText(int baseId) { return LoadText(baseId, LanguageOffset.load()); }

int ParseTextTag(std::string_view tag) {
  while (!tag.empty() && tag.front() == ' ') tag.remove_prefix(1);
  while (!tag.empty() && tag.back() == ' ') tag.remove_suffix(1);
  int id = 0;
  auto [ptr, ec] = std::from_chars(tag.data(), tag.data() + tag.size(), id);
  if (tag.empty() || ec != std::errc() || ptr != tag.data() + tag.size()) return -1;
  return id;
}

void SetLanguageFromLocale(std::uint32_t localeId) {
  SystemLocaleID = localeId;
  LanguageOffset = LanguageOffsetForLocale(localeId);
}

int LanguageOffsetForLocale(std::uint32_t localeId) {
  switch (localeId) {
    case 1036: case 2060: case 3084: case 4108: case 5132: case 6156:
      return kFrenchOffset;
    default:
      return kEnglishOffset;
  }
}

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
