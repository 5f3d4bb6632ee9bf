#pragma once
// The two ways the tool reaches a module's setup menu. The module behaves a
// little differently on each (wake-up on serial, greeting on connect).

namespace dorvane::sim {

enum class LinkKind { kSerial, kTcp };

// The name the receive log uses for the link.
inline const char* LinkName(LinkKind link) { return link == LinkKind::kSerial ? "serial" : "tcp"; }

}  // namespace dorvane::sim
