#pragma once
// Network namespaces a test makes for itself (root only) and deletes again:
// the only place where tests send packets to addresses other than loopback.

#include <QString>
#include <QStringList>

#include "test_process.h"

// Empty when this process may make network namespaces, else why not.
QString WhyNoNamespaces();

class TestNamespaces {
 public:
  // Names are "pellar-<tag>-<pid>-<n>", so parallel tests never meet.
  explicit TestNamespaces(const QString& tag);
  ~TestNamespaces();
  TestNamespaces(const TestNamespaces&) = delete;
  TestNamespaces& operator=(const TestNamespaces&) = delete;

  // A new namespace with its loopback up; its name, empty on failure.
  QString Add();

  // A veth pair from one namespace to another, each end up with its address
  // ("10.201.0.1/24"). False on failure (the reason is logged). Each end is
  // named after the namespace at the other end (EndName).
  bool Link(const QString& first, const QString& firstAddress, const QString& second, const QString& secondAddress);

  // The name of the link end that leads to the peer namespace.
  static QString EndName(const QString& peer);

  // "ip <arguments>" inside the namespace (ip -n); false on failure.
  bool Ip(const QString& name, const QStringList& arguments);

  // A program run inside the namespace (ip netns exec).
  ProcessResult Exec(const QString& name, const QStringList& command,
                     const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

  // The hardware address of a link, as `ip -j link` reports it ("5e:c3:...").
  QString LinkAddress(const QString& name, const QString& link);

 private:
  QString m_prefix;
  QStringList m_names;
};
