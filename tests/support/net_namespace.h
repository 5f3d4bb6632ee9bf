#pragma once
// A network namespace that exists for one test only: named with this
// process's id, loopback up, and deleted with everything in it when the
// object goes. Broadcasts are sent only inside such namespaces, never from
// the machine's own network.

#include <QString>
#include <QStringList>

namespace dorvane::testing {

class NetNamespace {
 public:
  // The name is "pellar-<role>-<pid>".
  explicit NetNamespace(const QString& role);
  ~NetNamespace();
  NetNamespace(const NetNamespace&) = delete;
  NetNamespace& operator=(const NetNamespace&) = delete;

  // Creates it and brings loopback up; false with the reason in Error().
  bool Create();
  // Runs "ip -n NAME <arguments>"; false with the reason in Error().
  bool Ip(const QStringList& arguments);
  // The command prefix that runs a program inside: "ip netns exec NAME".
  QStringList Exec() const;

  QString Name() const { return m_name; }
  QString Error() const { return m_error; }

  // Empty when namespaces can be made here; otherwise why not, for QSKIP.
  static QString WhyUnavailable();

 private:
  QString m_name;
  QString m_error;
  bool m_created = false;
};

}  // namespace dorvane::testing
