// The Windows side of network.h.

#define _WINSOCK_DEPRECATED_NO_WARNINGS
// Plain Win32 and the standard library, so the MinGW check compiles and
// runs it. NOMINMAX: windows.h's min and max macros would break std::min.
#define NOMINMAX
// winsock2.h must come before windows.h, iphlpapi.h after both.
// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
#include <icmpapi.h>
// clang-format on

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_trim.h"
#include "platform/network.h"
#include "platform/network_texts.h"
#include "platform/system_failure_log.h"

namespace dorvane::platform {

namespace {

// The adapter records of GetAdaptersInfo in one buffer, the first record at
// its start; empty when the system has no adapter data.
std::vector<unsigned char> AdapterChain() {
  ULONG size = 0;
  GetAdaptersInfo(nullptr, &size);
  if (size == 0) return {};
  std::vector<unsigned char> buffer(size);
  if (GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()), &size) != NO_ERROR) return {};
  return buffer;
}

// The largest echo data the reply record of the ping box holds.
constexpr std::size_t kReplyDataSize = 250;
// An ICMP error message and the I/O status the service may write after the record.
constexpr std::size_t kReplySlack = 8 + 64;

bool IsIpStatus(DWORD error) { return error >= 11000 && error <= static_cast<DWORD>(kIpPending); }

}  // namespace

std::vector<std::string> AdapterAddresses() {
  std::vector<std::string> addresses;
  std::vector<unsigned char> chain = AdapterChain();
  if (chain.empty()) return addresses;
  for (auto* adapter = reinterpret_cast<const IP_ADAPTER_INFO*>(chain.data()); adapter; adapter = adapter->Next) {
    const char* text = adapter->IpAddressList.IpAddress.String;
    addresses.push_back(TrimNullChar(std::string_view(text, sizeof adapter->IpAddressList.IpAddress.String)));
  }
  return addresses;
}

bool IsDHCPEnabled() {
  std::vector<unsigned char> chain = AdapterChain();
  if (chain.empty()) return false;
  for (auto* adapter = reinterpret_cast<const IP_ADAPTER_INFO*>(chain.data()); adapter; adapter = adapter->Next) {
    if (adapter->DhcpEnabled == 1) return true;
  }
  return false;
}

std::string SystemHostNameFromIP(const std::string& address) {
  WSADATA data{};
  if (WSAStartup(MAKEWORD(1, 1), &data) != 0) return {};
  std::string name;
  unsigned long target = inet_addr(address.c_str());
  if (target != INADDR_NONE) {
    const hostent* host = gethostbyaddr(reinterpret_cast<const char*>(&target), 4, AF_INET);
    if (host && host->h_name) name = host->h_name;
  }
  WSACleanup();
  return name;
}

SocketSession::SocketSession() {
  WSADATA data{};
  m_started = WSAStartup(MAKEWORD(1, 1), &data) == 0;
  m_open = m_started;
}

SocketSession::~SocketSession() {
  if (m_open) WSACleanup();
}

bool SocketSession::Cleanup() {
  if (!m_open) return true;
  m_open = false;
  return WSACleanup() == 0;
}

EchoReply Ping(const std::string& address, const std::string& data, int timeoutMs) {
  unsigned long target = inet_addr(address.c_str());
  if (target == INADDR_NONE) return {kBadIpFormat, 0, {}};
  HANDLE icmp = IcmpCreateFile();
  if (icmp == INVALID_HANDLE_VALUE) {
    LogSystemFailure("IcmpCreateFile failed: error " + std::to_string(GetLastError()));
    return {kIpGeneralFailure, 0, {}};
  }
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

std::optional<std::string> GetRemoteMACAddress(const std::string& address) {
  IPAddr target = inet_addr(address.c_str());
  if (target == 0) return std::nullopt;
  ULONG hardware[2] = {};
  ULONG length = 6;
  if (SendARP(target, 0, hardware, &length) != NO_ERROR || length == 0) return std::nullopt;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(hardware);
  return MacAddressText(std::vector<std::uint8_t>(bytes, bytes + length));
}

}  // namespace dorvane::platform
