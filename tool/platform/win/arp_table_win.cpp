// shellapi.h needs the types of windows.h, so windows.h comes first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <string>

#include "platform/arp_table.h"

namespace dorvane::platform {

namespace {

// The shell reports only whether arp.exe could be started (a result above
// 32), minimised and without taking the focus.
CommandOutcome ShellArp(const std::string& parameters) {
  auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(GetDesktopWindow(), "Open", "arp.exe", parameters.c_str(), nullptr, SW_SHOWMINNOACTIVE));
  std::string shown = "arp.exe " + parameters;
  if (result > 32) return {true, shown};
  std::string detail = shown + ": could not be started (shell result " + std::to_string(result) + ")";
  if (result == SE_ERR_ACCESSDENIED) detail += " (administrator rights are missing)";
  return {false, detail};
}

class WindowsArpTable : public ArpTable {
 public:
  CommandOutcome Clear() override { return ShellArp("-d"); }
  CommandOutcome Assign(const std::string& address, const std::string& mac) override {
    return ShellArp("-s " + address + " " + mac);
  }
};

}  // namespace

std::shared_ptr<ArpTable> SystemArpTable() { return std::make_shared<WindowsArpTable>(); }

}  // namespace dorvane::platform
