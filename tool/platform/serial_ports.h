#pragma once
// The sixteen "Comm Port" entries and the devices they reach.

#include <string>

namespace dorvane::platform {

inline constexpr int kComPortCount = 16;

// The device COM entry n (1..16) opens: DORVANE_COM<n> when set (any path,
// a pty too); otherwise Windows "COMn", Linux the n-th serial device found
// (USB adapters first, then ACM, then built-in ports). Empty when there is
// none.
std::string ComPortDevice(int n);

// What the window shows beside the entry: "COM3 -> /dev/ttyUSB0", or that
// the entry reaches no device.
std::string ComPortDescription(int n);

}  // namespace dorvane::platform
