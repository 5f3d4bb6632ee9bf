// winsock2.h must come before windows.h, iphlpapi.h after both.
// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

#include <cstring>

#include "platform/network_adapters.h"
#include "platform/win/adapter_chain_win.h"

namespace dorvane::platform {

std::vector<std::string> AdapterAddresses() {
  std::vector<std::string> addresses;
  std::vector<unsigned char> chain = AdapterChain();
  if (chain.empty()) return addresses;
  for (auto* adapter = reinterpret_cast<const IP_ADAPTER_INFO*>(chain.data()); adapter; adapter = adapter->Next) {
    const char* text = adapter->IpAddressList.IpAddress.String;
    addresses.emplace_back(text, strnlen(text, sizeof adapter->IpAddressList.IpAddress.String));
  }
  return addresses;
}

}  // namespace dorvane::platform
