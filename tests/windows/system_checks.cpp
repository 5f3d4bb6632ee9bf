// The Win32 facts of the computer: administrator status, the operating
// system, the locale, free space, and the application event log.

#define NOMINMAX
#include <windows.h>

#include <string>

#include "base/localised_text.h"
#include "check_program.h"
#include "platform/application_log.h"
#include "platform/system.h"

namespace dorvane::testing {

namespace {

// The system's own answer, by a road the tool does not take: the tool
// compares group names, this asks the token for the group's SID.
bool TokenIsAdministrator() {
  SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                &administrators)) {
    return false;
  }
  BOOL member = FALSE;
  if (!CheckTokenMembership(nullptr, administrators, &member)) member = FALSE;
  FreeSid(administrators);
  return member != FALSE;
}

void AdministratorAsTheTokenSays(Check& check) {
  bool tool = platform::IsAdministrator();
  bool token = TokenIsAdministrator();
  check.Note(std::string("administrator: ") + (tool ? "True" : "False"));
  check.Expect(tool == token, std::string("the tool says ") + (tool ? "administrator" : "no administrator") +
                                  ", the token " + (token ? "administrator" : "no administrator"));
}

void OperatingSystemKnown(Check& check) {
  std::optional<platform::OperatingSystemFacts> facts = platform::CurrentOperatingSystem();
  check.Expect(facts.has_value(), "no operating system facts");
  if (!facts) return;
  check.Note("platform " + std::to_string(facts->platform) + ", '" + facts->name.value_or("(none)") + "', version '" +
             facts->version + "'");
  check.Expect(facts->platform == platform::kPlatformNT, "platform " + std::to_string(facts->platform) + ", not NT");
  check.Expect(facts->name.has_value() && facts->name->rfind("Windows", 0) == 0,
               "name '" + facts->name.value_or("(none)") + "'");
  check.Expect(!facts->version.empty(), "empty version text");
}

void LocaleIdentifierPlausible(Check& check) {
  std::uint32_t locale = platform::SystemDefaultLocaleId();
  // A language in the low ten bits, a sort order no higher than 15.
  check.Expect((locale & 0x3ff) != 0 && (locale >> 16) <= 0xf, "locale identifier " + std::to_string(locale));
  int offset = LanguageOffsetForLocale(locale);
  check.Note("locale " + std::to_string(locale) + ", language offset " + std::to_string(offset) + ", country '" +
             platform::LocaleText(platform::kLocaleEnglishCountry) + "'");
  check.Expect(offset == 0 || offset == 4000 || offset == 8000, "language offset " + std::to_string(offset));
  check.Expect(!platform::LocaleText(platform::kLocaleShortDate).empty(), "no short date pattern");
  check.Expect(!platform::LocaleText(platform::kLocaleEnglishCountry).empty(), "no English country name");
}

void FreeSpaceOfC(Check& check) {
  std::uint64_t free = platform::TotalFreeBytes("");
  check.Expect(free > 0, "C: has no free byte");
  check.Note("C: " + std::to_string(free) + " bytes free");
  check.Expect(platform::TotalFreeBytes("c:") > 0, "drive entry c: has no free byte");
  // A drive letter that names nothing is a volume that is not ready.
  DWORD drives = GetLogicalDrives();
  char absent = 0;
  for (char letter = 'z'; letter > 'c' && !absent; --letter) {
    if (!(drives & (1u << (letter - 'a')))) absent = letter;
  }
  if (absent) {
    std::string entry = std::string(1, absent) + ":";
    std::uint64_t none = platform::TotalFreeBytes(entry);
    check.Expect(none == 0, entry + " has " + std::to_string(none) + " free bytes");
  }
}

void EventLogTakesAnEntry(Check& check) {
  platform::CommandOutcome outcome =
      platform::SystemApplicationLog()->WriteInformation("MinGW check: one information entry");
  check.Expect(outcome.ok, outcome.detail);
}

}  // namespace

std::vector<CheckCase> SystemCases() {
  return {
      {"administrator status as the token says", AdministratorAsTheTokenSays},
      {"operating system name and version", OperatingSystemKnown},
      {"system locale identifier", LocaleIdentifierPlausible},
      {"free space of C: and of a missing drive", FreeSpaceOfC},
      {"application event log entry", EventLogTakesAnEntry},
  };
}

}  // namespace dorvane::testing
