#include "diagnostics/ping_report.h"

#include <array>
#include <utility>

#include "base/text_trim.h"

namespace dorvane {

namespace {

using namespace platform;

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

bool MacLookupWanted(const PingReport& report) {
  return !report.socketsStarted || report.echo.status == platform::kIpSuccess;
}

PingValues PingLabelValues(const PingReport& report) {
  PingValues values;
  if (report.socketsStarted) {
    values.hostName = " " + report.hostName;
    values.status = {" " + GetIPStatusText(report.echo.status),
                     report.echo.status == platform::kIpSuccess ? ValueColour::kLightGreen : ValueColour::kLightRed};
    values.roundTrip = " " + std::to_string(report.echo.roundTripMs) + " ms";
    values.dataBytes = " " + std::to_string(report.echo.data.size()) + " bytes";
    // The echoed data is a character field padded with NUL characters.
    const std::string& data = report.echo.data;
    if (!data.empty() && data.front() != '\0') values.echoData = " " + TrimNullChar(data);
  }
  if (report.macLookedUp) values.mac = " " + report.mac.value_or("Function Not Supported");
  return values;
}

bool PingSucceeded(const PingReport& report) {
  return report.socketsStarted && report.echo.status == platform::kIpSuccess;
}

}  // namespace dorvane
