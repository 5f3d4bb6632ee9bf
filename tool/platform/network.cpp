#include "platform/network.h"

#include <QFile>

#include "platform/log.h"
#include "platform/network_texts.h"

namespace dorvane::platform {

Q_LOGGING_CATEGORY(lcPlatform, "dorvane.platform")

std::string GetHostNameFromIP(const std::string& address) {
  QString hostsFile = qEnvironmentVariable("DORVANE_HOSTS_FILE");
  if (hostsFile.isEmpty()) return SystemHostNameFromIP(address);
  QFile file(hostsFile);
  if (!file.open(QIODevice::ReadOnly)) {
    qCWarning(lcPlatform, "DORVANE_HOSTS_FILE %s: %s; no host names", qPrintable(hostsFile),
              qPrintable(file.errorString()));
    return {};
  }
  return HostNameFromHostsFile(file.readAll().toStdString(), address);
}

}  // namespace dorvane::platform
