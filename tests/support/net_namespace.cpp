#include "net_namespace.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace dorvane::testing {

namespace {

// Runs ip with the arguments; empty on success, else what ip said.
QString RunIp(const QStringList& arguments) {
  ProcessResult result = RunProgram("ip", arguments);
  if (result.started && result.exitCode == 0) return {};
  return "ip " + arguments.join(' ') + ": " + QString::fromLocal8Bit(result.err + result.out).trimmed();
}

}  // namespace

NetNamespace::NetNamespace(const QString& role)
    : m_role(role), m_name(QString("pellar-%1-%2").arg(role).arg(QCoreApplication::applicationPid())) {}

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
  if (!m_error.isEmpty()) qWarning("%s", qPrintable(m_error));
  return m_error.isEmpty();
}

QStringList NetNamespace::Launcher() const { return {"ip", "netns", "exec", m_name}; }

ProcessResult NetNamespace::Run(const QStringList& command, const QProcessEnvironment& environment) const {
  const QStringList launched = Launcher() + command;
  return RunProgram(launched.first(), launched.mid(1), environment);
}

bool NetNamespace::Link(const QString& address, NetNamespace& peer, const QString& peerAddress) {
  const QString end = EndTo(peer);
  const QString peerEnd = peer.EndTo(*this);
  bool linked = Ip({"link", "add", end, "type", "veth", "peer", "name", peerEnd, "netns", peer.Name()}) &&
                Ip({"addr", "add", address, "dev", end}) && Ip({"link", "set", end, "up"});
  if (linked && !(peer.Ip({"addr", "add", peerAddress, "dev", peerEnd}) && peer.Ip({"link", "set", peerEnd, "up"}))) {
    m_error = peer.Error();
    linked = false;
  }
  return linked;
}

QString NetNamespace::EndTo(const NetNamespace& peer) const { return "v" + peer.m_role; }

QString NetNamespace::LinkAddress(const QString& link) const {
  ProcessResult result = RunProgram("ip", {"-n", m_name, "-j", "link", "show", link});
  QJsonArray links = QJsonDocument::fromJson(result.out).array();
  return links.isEmpty() ? QString() : links[0].toObject()["address"].toString();
}

QString NetNamespace::WhyUnavailable() {
  if (QStandardPaths::findExecutable("ip").isEmpty()) return "the ip command (iproute2) is not installed";
  NetNamespace probe("probe");
  if (!probe.Create()) return "network namespaces cannot be created here (root is needed): " + probe.Error();
  return {};
}

}  // namespace dorvane::testing
