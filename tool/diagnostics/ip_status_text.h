#pragma once
// Ping status codes in the numbering of the Windows ICMP service, which both
// platform sides report in, and the texts the ping box shows for them.

#include <cstdint>
#include <string>

namespace dorvane {

enum IpStatus : std::int32_t {
  kBadIpFormat = -1,
  kIpSuccess = 0,
  kPingTimeout = 300,
  kIpBufferTooSmall = 11001,
  kIpDestNetUnreachable = 11002,
  kIpDestHostUnreachable = 11003,
  kIpDestProtocolUnreachable = 11004,
  kIpDestPortUnreachable = 11005,
  kIpNoResources = 11006,
  kIpBadOption = 11007,
  kIpHardwareError = 11008,
  kIpPacketTooBig = 11009,
  kIpRequestTimedOut = 11010,
  kIpBadRequest = 11011,
  kIpBadRoute = 11012,
  kIpTtlExpiredTransit = 11013,
  kIpTtlExpiredReassembly = 11014,
  kIpParameterProblem = 11015,
  kIpSourceQuench = 11016,
  kIpOptionTooBig = 11017,
  kIpBadDestination = 11018,
  kIpAddressDeleted = 11019,
  kIpSpecMtuChange = 11020,
  kIpMtuChange = 11021,
  kIpUnload = 11022,
  kIpAddressAdded = 11023,
  kIpGeneralFailure = 11050,
  kIpPending = 11255,
};

// The documented text of a status code; "Unkown Error" for any other code.
std::string GetIPStatusText(std::int32_t code);

}  // namespace dorvane
