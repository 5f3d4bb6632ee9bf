#pragma once
// A network namespace that exists for one test only: named with this
// process's id, loopback up, and deleted with everything in it when the
// object goes. Broadcasts and packets to addresses other than loopback are
// sent only inside such namespaces, never from the machine's own network.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include "test_process.h"

namespace dorvane::testing {

class NetNamespace {
 public:
  // The name is "pellar-<role>-<pid>"; the role is short, as the ends of a
  // Link are named after it.
  explicit NetNamespace(const QString& role);
  ~NetNamespace();
  NetNamespace(const NetNamespace&) = delete;
  NetNamespace& operator=(const NetNamespace&) = delete;

  // Creates it and brings loopback up; false with the reason in Error().
  bool Create();
  // Runs "ip -n NAME <arguments>"; false with the reason in Error().
  bool Ip(const QStringList& arguments);
  // The command prefix that runs a program inside: "ip netns exec NAME".
  QStringList Launcher() const;
  // Runs the command inside and waits for its end.
  ProcessResult Run(const QStringList& command,
                    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) const;

  // A veth pair from here to the peer, each end up with its address
  // ("10.201.0.1/24"); false with the reason in Error(). Each end is named
  // after the namespace at its other end (EndTo).
  bool Link(const QString& address, NetNamespace& peer, const QString& peerAddress);
  // The name of the end here of a Link to the peer.
  QString EndTo(const NetNamespace& peer) const;

  // The hardware address of a link here, as `ip -j link` reports it
  // ("5e:c3:..."); empty when there is no such link.
  QString LinkAddress(const QString& link) const;

  QString Name() const { return m_name; }
  QString Error() const { return m_error; }

  // Empty when namespaces can be made here; otherwise why not, for QSKIP.
  static QString WhyUnavailable();

 private:
  QString m_role;
  QString m_name;
  QString m_error;
  bool m_created = false;
};

}  // namespace dorvane::testing
