#include "widgets/help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "base/program_paths.h"

#ifdef Q_OS_WIN
#include "platform/win/html_help.h"
#endif

namespace dorvane {

QString HtmlHelpIndexPath() {
  const QString appDir = QCoreApplication::applicationDirPath();
  for (const QString& candidate : {appDir + "/help/index.html",
                                   appDir + "/../share/dorvane-pellar/help/index.html",
                                   appDir + "/../help/index.html"}) {
    if (QFileInfo::exists(candidate)) return QDir::cleanPath(candidate);
  }
  return {};
}

void OpenHelpIndex(const QString& path, const QString& keyword) {
  try {
#ifdef Q_OS_WIN
    if (path.endsWith(".chm", Qt::CaseInsensitive)) {
      platform::OpenCompiledHelpIndex(path.toStdWString(), keyword.toStdWString());
      return;
    }
#endif
    Q_UNUSED(keyword);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  } catch (...) {
    // The help never interrupts the installer's work.
  }
}

void ShowHelp() {
  QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
  QString chm = QString::fromStdString(JoinWindowsPath(folder.toStdString(), "DorvanePellar.chm"));
#ifdef Q_OS_WIN
  if (QFileInfo::exists(chm)) {
    OpenHelpIndex(chm, QString());
    return;
  }
#endif
  QString html = HtmlHelpIndexPath();
  if (!html.isEmpty()) OpenHelpIndex(html, QString());
}

}  // namespace dorvane
