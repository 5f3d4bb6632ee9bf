#pragma once
// The main window's diagnostics buttons: Start Ping (cmdPing), Get Current
// IP (cmdCurrentIP, also run at start-up) and Test System (cmdTestAdmin),
// each on the labels of its box; and how a core LabelValue is shown.

#include <array>
#include <functional>

#include "diagnostics/value_colour.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace dorvane {

// The label's text and background.
void ShowLabelValue(QLabel* label, const LabelValue& value);

struct PingBox {
  QLineEdit* address = nullptr;     // txtIPAddress
  QLabel* hostName = nullptr;       // lblIPHostname
  std::array<QLabel*, 5> status{};  // lblStatus 0 to 4
};

// Checks the address (the Missing IP Address box when it is none), writes it
// without leading zeros, then pings it in the window's busy state and fills
// the result labels. The window stays live while the echo is awaited.
void PingClick(QWidget* window, const PingBox& box, const std::function<void(bool)>& buttonMode);

struct HostBox {
  QLabel* hostName = nullptr;          // lblHostNameValue
  std::array<QLabel*, 3> addresses{};  // lblCurrentIPAddress 0 to 2
};

void GetCurrentIPClick(const HostBox& box, const std::function<void(bool)>& buttonMode);

struct SystemTestBox {
  QLabel* admin = nullptr;      // lblAdminStatus
  QLabel* dhcp = nullptr;       // lblDHCPValue
  QLabel* screen = nullptr;     // lblScreenValue
  QLabel* system = nullptr;     // lblWindowsValue
  QLabel* version = nullptr;    // lblVersionValue
  QComboBox* drives = nullptr;  // drvList
  QLabel* freeSpace = nullptr;  // lblDriveSpaceValue
};

// The screen is the one the window is on.
void TestSystemClick(QWidget* window, const SystemTestBox& box, const std::function<void(bool)>& buttonMode);

}  // namespace dorvane
