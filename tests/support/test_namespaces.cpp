#include "test_namespaces.h"

#include "net_namespace.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

bool RunIp(const QStringList& arguments) {
  ProcessResult result = RunProgram("ip", arguments);
  if (!result.started || result.exitCode != 0) {
    qWarning("ip %s failed: %s", qPrintable(arguments.join(' ')), result.err.constData());
    return false;
  }
  return true;
}

}  // namespace

QString WhyNoNamespaces() { return dorvane::testing::NetNamespace::WhyUnavailable(); }

TestNamespaces::TestNamespaces(const QString& tag)
    : m_prefix(QString("pellar-%1-%2-").arg(tag).arg(QCoreApplication::applicationPid())) {}

TestNamespaces::~TestNamespaces() {
  for (const QString& name : m_names) RunIp({"netns", "delete", name});
}

QString TestNamespaces::Add() {
  QString name = m_prefix + QString::number(m_names.size());
  if (!RunIp({"netns", "add", name})) return {};
  m_names << name;
  if (!Ip(name, {"link", "set", "lo", "up"})) return {};
  return name;
}

bool TestNamespaces::Link(const QString& first, const QString& firstAddress, const QString& second,
                          const QString& secondAddress) {
  QString firstEnd = EndName(second);
  QString secondEnd = EndName(first);
  return Ip(first, {"link", "add", firstEnd, "type", "veth", "peer", "name", secondEnd, "netns", second}) &&
         Ip(first, {"addr", "add", firstAddress, "dev", firstEnd}) &&
         Ip(second, {"addr", "add", secondAddress, "dev", secondEnd}) && Ip(first, {"link", "set", firstEnd, "up"}) &&
         Ip(second, {"link", "set", secondEnd, "up"});
}

// Short interface names, unique within each namespace.
QString TestNamespaces::EndName(const QString& peer) { return "v" + peer.section('-', -1); }

bool TestNamespaces::Ip(const QString& name, const QStringList& arguments) {
  return RunIp(QStringList{"-n", name} + arguments);
}

ProcessResult TestNamespaces::Exec(const QString& name, const QStringList& command,
                                   const QProcessEnvironment& environment) {
  return RunProgram("ip", QStringList{"netns", "exec", name} + command, environment);
}

QString TestNamespaces::LinkAddress(const QString& name, const QString& link) {
  ProcessResult result = RunProgram("ip", {"-n", name, "-j", "link", "show", link});
  QJsonArray links = QJsonDocument::fromJson(result.out).array();
  return links.isEmpty() ? QString() : links[0].toObject()["address"].toString();
}
