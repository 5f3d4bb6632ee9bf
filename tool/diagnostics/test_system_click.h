#pragma once
// Test System (cmdTestAdmin) of the main window.

#include <functional>

class QComboBox;
class QLabel;
class QWidget;

namespace dorvane {

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
