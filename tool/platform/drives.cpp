#include "platform/drives.h"

#include <QDir>
#include <QStorageInfo>

namespace dorvane::platform {

std::vector<std::string> DriveList() {
  std::vector<std::string> drives;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    QString root = QDir::toNativeSeparators(volume.rootPath());
#ifdef Q_OS_WIN
    root = root.left(2).toLower();
#endif
    drives.push_back(root.toStdString());
  }
  return drives;
}

std::string SystemDrive() {
#ifdef Q_OS_WIN
  return QDir::toNativeSeparators(QDir::rootPath()).left(2).toLower().toStdString();
#else
  return "/";
#endif
}

}  // namespace dorvane::platform
