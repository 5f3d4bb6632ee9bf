#pragma once
// The localised string table: 138 English texts at 1000..1137 with their
// Spanish (+4000) and French (+8000) translations, compiled into the program.

#include <map>
#include <string>
#include <string_view>

namespace dorvane {

inline constexpr int kFirstTextId = 1000;
inline constexpr int kLastTextId = 1137;

// Every entry of the compiled-in table, by identifier.
const std::map<int, std::string>& StringTable();

// Text of entry baseId + LanguageOffset; a missing entry raises RunTimeError
// (the caller's trap reports it).
std::string LoadText(int baseId);
std::string LoadText(int baseId, int languageOffset);

// Parses a tag property: the decimal base identifier, or -1 when the tag is
// empty or not a number (such controls keep their designed text).
int ParseTextTag(std::string_view tag);

}  // namespace dorvane
