#include "net_namespace.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace dorvane::testing {

namespace {

// Runs ip with the arguments; empty on success, else what ip said.
QString RunIp(const QStringList& arguments) {
  QProcess ip;
  ip.setProcessChannelMode(QProcess::MergedChannels);
  ip.start("ip", arguments);
  if (!ip.waitForFinished(15000)) return "ip " + arguments.join(' ') + ": " + ip.errorString();
  if (ip.exitStatus() != QProcess::NormalExit || ip.exitCode() != 0) {
    return "ip " + arguments.join(' ') + ": " + QString::fromLocal8Bit(ip.readAll()).trimmed();
  }
  return {};
}

}  // namespace

NetNamespace::NetNamespace(const QString& role)
    : m_name(QString("pellar-%1-%2").arg(role).arg(QCoreApplication::applicationPid())) {}

NetNamespace::~NetNamespace() {
  if (m_created) RunIp({"netns", "delete", m_name});
}

bool NetNamespace::Create() {
  m_error = RunIp({"netns", "add", m_name});
  if (!m_error.isEmpty()) return false;
  m_created = true;
  return Ip({"link", "set", "lo", "up"});
}

bool NetNamespace::Ip(const QStringList& arguments) {
  m_error = RunIp(QStringList{"-n", m_name} + arguments);
  return m_error.isEmpty();
}

QStringList NetNamespace::Exec() const { return {"ip", "netns", "exec", m_name}; }

QString NetNamespace::WhyUnavailable() {
  if (QStandardPaths::findExecutable("ip").isEmpty()) return "the ip command (iproute2) is not installed";
  NetNamespace probe("probe");
  if (!probe.Create()) return "network namespaces cannot be created here (root is needed): " + probe.Error();
  return {};
}

}  // namespace dorvane::testing
