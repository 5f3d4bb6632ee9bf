#include "diagnostics/icmp_error_status.h"

#include "diagnostics/ip_status_text.h"

namespace dorvane {

namespace {

constexpr int kDestinationUnreachable = 3;
constexpr int kSourceQuench = 4;
constexpr int kTimeExceeded = 11;
constexpr int kParameterProblem = 12;

std::int32_t StatusForUnreachable(int code) {
  switch (code) {
    // Network unreachable, network unknown, network prohibited, network
    // unreachable for the type of service: the network as a whole.
    case 0:
    case 6:
    case 9:
    case 11: return kIpDestNetUnreachable;
    case 2: return kIpDestProtocolUnreachable;
    case 3: return kIpDestPortUnreachable;
    case 4: return kIpPacketTooBig;  // fragmentation needed but not allowed
    case 5: return kIpBadRoute;      // source route failed
    default: return kIpDestHostUnreachable;
  }
}

}  // namespace

std::int32_t StatusForIcmpError(int type, int code) {
  switch (type) {
    case kDestinationUnreachable: return StatusForUnreachable(code);
    case kSourceQuench: return kIpSourceQuench;
    case kTimeExceeded: return code == 1 ? kIpTtlExpiredReassembly : kIpTtlExpiredTransit;
    case kParameterProblem: return kIpParameterProblem;
    default: return kIpGeneralFailure;
  }
}

std::int32_t StatusForSocketError(std::errc error) {
  switch (error) {
    case std::errc::network_unreachable: return kIpDestNetUnreachable;
    case std::errc::host_unreachable: return kIpDestHostUnreachable;
    case std::errc::connection_refused: return kIpDestPortUnreachable;
    // Linux refuses a broadcast destination this way.
    case std::errc::permission_denied: return kIpBadDestination;
    // A blackhole route.
    case std::errc::invalid_argument: return kIpBadRoute;
    case std::errc::message_size: return kIpPacketTooBig;
    case std::errc::no_buffer_space:
    case std::errc::not_enough_memory: return kIpNoResources;
    case std::errc::timed_out: return kIpRequestTimedOut;
    default: return kIpGeneralFailure;
  }
}

}  // namespace dorvane
