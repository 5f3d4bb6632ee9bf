#include "platform/network.h"

#include <QFile>

#include "platform/log.h"
#include "platform/network_texts.h"
#include "platform/system_failure_log.h"

namespace dorvane::platform {

Q_LOGGING_CATEGORY(lcPlatform, "dorvane.platform")

void LogSystemFailure(const std::string& text) { qCWarning(lcPlatform, "%s", text.c_str()); }

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
