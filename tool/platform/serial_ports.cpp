#include "platform/serial_ports.h"

#include <QSerialPortInfo>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>

namespace dorvane::platform {

namespace {

#ifndef Q_OS_WIN
int DeviceRank(const QString& path) {
  if (path.contains("ttyUSB")) return 0;
  if (path.contains("ttyACM")) return 1;
  return 2;
}

QStringList LinuxSerialDevices() {
  QStringList paths;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) paths << info.systemLocation();
  std::stable_sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) {
    if (DeviceRank(a) != DeviceRank(b)) return DeviceRank(a) < DeviceRank(b);
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  });
  return paths;
}
#endif

}  // namespace

std::string ComPortDevice(int n) {
  if (n < 1 || n > kComPortCount) return {};
  QString configured = qEnvironmentVariable(qPrintable(QString("DORVANE_COM%1").arg(n)));
  if (!configured.isEmpty()) return configured.toStdString();
#ifdef Q_OS_WIN
  return "COM" + std::to_string(n);
#else
  QStringList devices = LinuxSerialDevices();
  return n <= devices.size() ? devices[n - 1].toStdString() : std::string();
#endif
}

std::string ComPortDescription(int n) {
  std::string device = ComPortDevice(n);
  std::string entry = "COM" + std::to_string(n);
  if (device.empty()) return entry + ": no serial device";
  return entry + " -> " + device;
}

}  // namespace dorvane::platform
