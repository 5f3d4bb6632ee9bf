// winsock2.h must come before windows.h, iphlpapi.h after both.
// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

#include "platform/dhcp_state.h"
#include "platform/win/adapter_chain_win.h"

namespace dorvane::platform {

bool IsDHCPEnabled() {
  std::vector<unsigned char> chain = AdapterChain();
  if (chain.empty()) return false;
  for (auto* adapter = reinterpret_cast<const IP_ADAPTER_INFO*>(chain.data()); adapter; adapter = adapter->Next) {
    if (adapter->DhcpEnabled == 1) return true;
  }
  return false;
}

}  // namespace dorvane::platform
