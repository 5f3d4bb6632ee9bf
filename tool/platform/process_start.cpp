#include "platform/process_start.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace dorvane::platform {

bool StartProgram(const std::string& path, const std::vector<std::string>& arguments) {
  QString program = QString::fromStdString(path);
  QFileInfo info(program);
  if (info.isAbsolute() && !(info.exists() && info.isExecutable())) return false;
  QStringList args;
  for (const std::string& a : arguments) args << QString::fromStdString(a);
  return QProcess::startDetached(program, args);
}

bool OpenNetworkConnections(std::string& whyNot) {
#ifdef Q_OS_WIN
  whyNot.clear();
  return QProcess::startDetached("rundll32.exe", {"shell32.dll,Control_RunDLL", "ncpa.cpl"});
#else
  // The desktop's own network settings, in the order a desktop is likely to
  // have them.
  struct Tool { const char* program; QStringList arguments; };
  const Tool tools[] = {
      {"nm-connection-editor", {}},
      {"gnome-control-center", {"network"}},
      {"systemsettings", {"kcm_networkmanagement"}},
      {"xfce4-network-settings", {}},
      {"nmtui", {}},
  };
  for (const Tool& tool : tools) {
    QString found = QStandardPaths::findExecutable(tool.program);
    if (found.isEmpty()) continue;
    if (QString(tool.program) == "nmtui") {
      QString terminal = QStandardPaths::findExecutable("x-terminal-emulator");
      if (terminal.isEmpty()) continue;
      if (QProcess::startDetached(terminal, {"-e", found})) return true;
      continue;
    }
    if (QProcess::startDetached(found, tool.arguments)) return true;
  }
  whyNot = "No network settings tool is installed on this computer "
           "(looked for nm-connection-editor, gnome-control-center, systemsettings, "
           "xfce4-network-settings and nmtui).";
  return false;
#endif
}

bool HasDeviceManager() {
#ifdef Q_OS_WIN
  return true;
#else
  return false;
#endif
}

bool OpenDeviceManager() {
#ifdef Q_OS_WIN
  return QProcess::startDetached("mmc.exe", {"devmgmt.msc"});
#else
  return false;
#endif
}

}  // namespace dorvane::platform
