#include "platform/host_name_lookup.h"

#include <QFile>

#include "diagnostics/hosts_file.h"

namespace dorvane::platform {

std::string GetHostNameFromIP(const std::string& address) {
  QString hostsFile = qEnvironmentVariable("DORVANE_HOSTS_FILE");
  if (hostsFile.isEmpty()) return SystemHostNameFromIP(address);
  QFile file(hostsFile);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return HostNameFromHostsFile(file.readAll().toStdString(), address);
}

}  // namespace dorvane::platform
