#pragma once
// The answer to one echo request, as the platform's ICMP service gives it.

#include <cstdint>
#include <string>

#include "diagnostics/ip_status_text.h"

namespace dorvane {

struct EchoReply {
  std::int32_t status = kIpGeneralFailure;
  std::uint32_t roundTripMs = 0;
  std::string data;  // the echoed bytes; their count is the data byte count
};

}  // namespace dorvane
