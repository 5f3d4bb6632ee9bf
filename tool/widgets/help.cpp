#include "widgets/help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "base/program_start.h"
#include "platform/system.h"

namespace dorvane {

QString HtmlHelpIndexPath() {
  const QString appDir = QCoreApplication::applicationDirPath();
  for (const QString& candidate : {appDir + "/help/en/index.html",
                                   appDir + "/../share/dorvane-pellar/help/en/index.html",
                                   appDir + "/../help/en/index.html"}) {
    if (QFileInfo::exists(candidate)) return QDir::cleanPath(candidate);
  }
  return {};
}

void OpenHelpIndex(const QString& path, const QString& keyword) {
  try {
    if (platform::HasCompiledHelpViewer() && path.endsWith(".chm", Qt::CaseInsensitive)) {
      platform::OpenCompiledHelpIndex(path.toStdWString(), keyword.toStdWString());
      return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  } catch (...) {
    // The help never interrupts the installer's work.
  }
}

void ShowHelp() {
  QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
  QString chm = QString::fromStdString(JoinWindowsPath(folder.toStdString(), "DorvanePellar.chm"));
  if (platform::HasCompiledHelpViewer() && QFileInfo::exists(chm)) {
    OpenHelpIndex(chm, QString());
    return;
  }
  QString html = HtmlHelpIndexPath();
  if (!html.isEmpty()) OpenHelpIndex(html, QString());
}

}  // namespace dorvane
