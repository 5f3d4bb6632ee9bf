#pragma once
// Get Current IP (cmdCurrentIP) of the main window; also run at start-up.

#include <array>
#include <functional>

class QLabel;

namespace dorvane {

struct HostBox {
  QLabel* hostName = nullptr;          // lblHostNameValue
  std::array<QLabel*, 3> addresses{};  // lblCurrentIPAddress 0 to 2
};

void GetCurrentIPClick(const HostBox& box, const std::function<void(bool)>& buttonMode);

}  // namespace dorvane
