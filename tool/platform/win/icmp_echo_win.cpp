#define _WINSOCK_DEPRECATED_NO_WARNINGS
// winsock2.h must come before windows.h, iphlpapi.h after both.
// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
#include <icmpapi.h>
// clang-format on

#include <vector>

#include "platform/icmp_echo.h"

namespace dorvane::platform {

namespace {

// The largest echo data the reply record of the ping box holds.
constexpr std::size_t kReplyDataSize = 250;
// An ICMP error message and the I/O status the service may write after the record.
constexpr std::size_t kReplySlack = 8 + 64;

bool IsIpStatus(DWORD error) { return error >= 11000 && error <= static_cast<DWORD>(kIpPending); }

}  // namespace

EchoReply Ping(const std::string& address, const std::string& data, int timeoutMs) {
  unsigned long target = inet_addr(address.c_str());
  if (target == INADDR_NONE) return {kBadIpFormat, 0, {}};
  HANDLE icmp = IcmpCreateFile();
  if (icmp == INVALID_HANDLE_VALUE) return {kIpGeneralFailure, 0, {}};
  std::vector<unsigned char> buffer(sizeof(ICMP_ECHO_REPLY) + kReplyDataSize + kReplySlack);
  DWORD replies = IcmpSendEcho(icmp, target, const_cast<char*>(data.data()), static_cast<WORD>(data.size()), nullptr,
                               buffer.data(), static_cast<DWORD>(buffer.size()), static_cast<DWORD>(timeoutMs));
  DWORD error = GetLastError();
  EchoReply reply;
  if (replies > 0) {
    const auto* record = reinterpret_cast<const ICMP_ECHO_REPLY*>(buffer.data());
    reply.status = static_cast<std::int32_t>(record->Status);
    reply.roundTripMs = record->RoundTripTime;
    if (record->Data && record->DataSize > 0) {
      reply.data.assign(static_cast<const char*>(record->Data), record->DataSize);
    }
  } else {
    // No record came back (a time-out, an unreachable host): the status is
    // the error, never the untouched record's 0.
    reply.status = IsIpStatus(error) ? static_cast<std::int32_t>(error) : kIpGeneralFailure;
  }
  IcmpCloseHandle(icmp);
  return reply;
}

}  // namespace dorvane::platform
