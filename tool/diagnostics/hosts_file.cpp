#include "diagnostics/hosts_file.h"

#include <sstream>

namespace dorvane {

std::string HostNameFromHostsFile(std::string_view text, std::string_view address) {
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    line = line.substr(0, line.find('#'));
    std::istringstream fields(line);
    std::string lineAddress;
    std::string name;
    if (fields >> lineAddress >> name && lineAddress == address) return name;
  }
  return {};
}

}  // namespace dorvane
