#pragma once
// pellarctl ping ADDRESS: the main window's Start Ping without the window.

#include <QStringList>

namespace dorvane::cli {

extern const char* const kPingSynopsis;

// 0 when the address answered ("IP Success"), 3 otherwise, 2 for a bad
// address (after text 1045, as the window shows it) or bad usage.
int RunPingCommand(const QStringList& arguments);

}  // namespace dorvane::cli
