#pragma once
// Start Ping (cmdPing) of the main window.

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QWidget;

namespace dorvane {

struct PingBox {
  QLineEdit* address = nullptr;     // txtIPAddress
  QLabel* hostName = nullptr;       // lblIPHostname
  std::array<QLabel*, 5> status{};  // lblStatus 0 to 4
};

// Checks the address (the Missing IP Address box when it is none), writes it
// without leading zeros, then pings it in the window's busy state and fills
// the result labels. The window stays live while the echo is awaited.
void PingClick(QWidget* window, const PingBox& box, const std::function<void(bool)>& buttonMode);

}  // namespace dorvane
