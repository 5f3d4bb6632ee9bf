// The drive list of system.h on Windows: the volumes as Qt lists them. Kept
// apart from system_win.cpp, which needs no Qt.

#include <QDir>
#include <QStorageInfo>
#include <string>
#include <vector>

#include "platform/system.h"

namespace dorvane::platform {

namespace {

// The drive letter of a drive-list entry or a path, lower case.
QString DriveOf(const QString& path) { return QDir::toNativeSeparators(path).left(2).toLower(); }

}  // namespace

std::vector<std::string> DriveList() {
  std::vector<std::string> drives;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady()) drives.push_back(DriveOf(volume.rootPath()).toStdString());
  }
  return drives;
}

std::string SystemDrive() { return DriveOf(QDir::rootPath()).toStdString(); }

bool IsSystemDrive(const std::string& driveEntry) {
  QString letter = QString::fromStdString(driveEntry).left(1);
  return letter.compare(QString::fromStdString(SystemDrive()).left(1), Qt::CaseInsensitive) == 0;
}

}  // namespace dorvane::platform
