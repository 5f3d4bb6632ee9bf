#pragma once
// What an ICMP error message, or a socket error the system reports for an
// echo request, means in the ping status numbering (ip_status_text.h).

#include <cstdint>
#include <system_error>

namespace dorvane {

// ICMP type and code of an error message that answered our request.
std::int32_t StatusForIcmpError(int type, int code);

// A local failure to send or deliver the request.
std::int32_t StatusForSocketError(std::errc error);

}  // namespace dorvane
