#include "diagnostics/ip_status_text.h"

#include <array>
#include <utility>

namespace dorvane {

namespace {

constexpr std::array<std::pair<std::int32_t, const char*>, 28> kStatusTexts{{
    {kIpSuccess, "IP Success"},
    {kPingTimeout, "Ping Timeout"},
    {kIpBufferTooSmall, "IP Buffer Too Small"},
    {kIpDestNetUnreachable, "IP Unreachable"},
    {kIpDestHostUnreachable, "IP Host unreachable"},
    {kIpDestProtocolUnreachable, "IP Protocol Unreachable"},
    {kIpDestPortUnreachable, "IP Port Unreachable"},
    {kIpNoResources, "IP No Resources"},
    {kIpBadOption, "IP Bad Option"},
    {kIpHardwareError, "IP Hardware Error"},
    {kIpPacketTooBig, "IP Packet Too Big"},
    {kIpRequestTimedOut, "IP Timed Out"},
    {kIpBadRequest, "IP Bad Request"},
    {kIpBadRoute, "IP Bad Route"},
    {kIpTtlExpiredTransit, "IP TTL Expired Transit"},
    {kIpTtlExpiredReassembly, "IP TTL Expired Reassem"},
    {kIpParameterProblem, "IP Parameter Problem"},
    {kIpSourceQuench, "IP Source Quench"},
    {kIpOptionTooBig, "IP Option Too Big"},
    {kIpBadDestination, "IP Bad Destination"},
    {kIpAddressDeleted, "IP Address Deleted"},
    {kIpSpecMtuChange, "IP Spec MTU Change"},
    {kIpMtuChange, "IP MTU Change"},
    {kIpUnload, "IP Unload"},
    {kIpAddressAdded, "IP Address Added"},
    {kIpGeneralFailure, "IP General Failure"},
    {kIpPending, "IP Pending"},
    {kBadIpFormat, "Bad IP Format"},
}};

}  // namespace

std::string GetIPStatusText(std::int32_t code) {
  for (const auto& [number, text] : kStatusTexts) {
    if (number == code) return text;
  }
  return "Unkown Error";
}

}  // namespace dorvane
