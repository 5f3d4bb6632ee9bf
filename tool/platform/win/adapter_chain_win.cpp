#include "platform/win/adapter_chain_win.h"

// winsock2.h must come before windows.h, iphlpapi.h after both.
// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

namespace dorvane::platform {

std::vector<unsigned char> AdapterChain() {
  ULONG size = 0;
  GetAdaptersInfo(nullptr, &size);
  if (size == 0) return {};
  std::vector<unsigned char> buffer(size);
  if (GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()), &size) != NO_ERROR) return {};
  return buffer;
}

}  // namespace dorvane::platform
