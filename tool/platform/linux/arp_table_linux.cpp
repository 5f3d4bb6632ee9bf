#include <unistd.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include "platform/arp_table.h"

namespace dorvane::platform {

namespace {

constexpr int kCommandTimeoutMs = 10000;

CommandOutcome RunIp(const QStringList& arguments) {
  QProcess process;
  process.start("ip", arguments);
  const QString shown = "ip " + arguments.join(' ');
  if (!process.waitForStarted(kCommandTimeoutMs)) {
    return {false, shown.toStdString() + ": could not be started (" + process.errorString().toStdString() + ")"};
  }
  if (!process.waitForFinished(kCommandTimeoutMs)) {
    process.kill();
    return {false, shown.toStdString() + ": did not finish"};
  }
  if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return {true, shown.toStdString()};
  std::string detail = shown.toStdString() + ": exit status " + std::to_string(process.exitCode()) + ": " +
                       QString::fromLocal8Bit(process.readAllStandardError()).trimmed().toStdString();
  if (geteuid() != 0) detail += " (administrator rights are missing: changing the ARP table needs root)";
  return {false, detail};
}

// The interface the kernel would send a packet for the address through.
QString RoutingInterface(const std::string& address) {
  QProcess process;
  process.start("ip", {"-o", "route", "get", QString::fromStdString(address)});
  if (!process.waitForFinished(kCommandTimeoutMs)) return {};
  QRegularExpression dev(R"(\bdev\s+(\S+))");
  QRegularExpressionMatch match = dev.match(QString::fromLocal8Bit(process.readAllStandardOutput()));
  return match.hasMatch() ? match.captured(1) : QString();
}

class LinuxArpTable : public ArpTable {
 public:
  CommandOutcome Clear() override { return RunIp({"neigh", "flush", "all"}); }

  CommandOutcome Assign(const std::string& address, const std::string& mac) override {
    QString device = RoutingInterface(address);
    if (device.isEmpty()) return {false, "no interface routes " + address};
    QString lladdr = QString::fromStdString(mac).replace('-', ':');
    return RunIp({"neigh", "replace", QString::fromStdString(address), "lladdr", lladdr, "dev", device, "nud",
                  "permanent"});
  }
};

}  // namespace

std::shared_ptr<ArpTable> SystemArpTable() { return std::make_shared<LinuxArpTable>(); }

}  // namespace dorvane::platform
