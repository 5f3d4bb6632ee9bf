#pragma once
// pellarctl discover: the main window's discovery, printed instead of listed.

#include <QStringList>

namespace dorvane::cli {

inline constexpr const char* kDiscoverSynopsis = "Find the modules on the local network (UDP discovery query)";

// Returns the exit code: 0 when the query went out, whatever answered; 2 for
// bad options; 3 when discovery could not look (port taken, send failed).
int RunDiscover(const QStringList& arguments);

}  // namespace dorvane::cli
