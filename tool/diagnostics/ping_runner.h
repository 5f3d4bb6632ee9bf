#pragma once
// The ping of the ping box, the same for the main window and pellarctl.

#include <string>

#include "diagnostics/ping_report.h"

namespace dorvane {

inline constexpr int kEchoTimeoutMs = 300;

// Inside one sockets session: the reverse lookup of the address and one echo
// request with the address text itself as data. Then, unless the echo
// failed, the neighbour's hardware address. Blocks for as long as the
// lookups take; the window runs it off its own thread.
PingReport RunPing(const std::string& address);

}  // namespace dorvane
