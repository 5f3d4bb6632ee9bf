#include <grp.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/administrator.h"

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

}  // namespace dorvane::platform
