#pragma once
// One ICMP echo request and its answer.

#include <string>

#include "diagnostics/echo_reply.h"

namespace dorvane::platform {

// Sends the data to a dotted IPv4 address and waits up to timeoutMs for the
// answer; one request, no retries. Status kBadIpFormat when the text is no
// address, kIpGeneralFailure when no ICMP handle or socket can be opened.
EchoReply Ping(const std::string& address, const std::string& data, int timeoutMs);

}  // namespace dorvane::platform
