#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/administrator.h"

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

}  // namespace dorvane::platform
