#pragma once
// One discovery, shared by the main window and pellarctl: bind the discovery
// port, send the query, collect the replies while the event loop keeps
// running. The socket stays bound after the wait, so replies that come late
// are still stored (never shown); the next discovery closes and re-binds it.

#include <QHostAddress>
#include <QLoggingCategory>
#include <QObject>

#include "discovery/discovery_result.h"

class QUdpSocket;

namespace dorvane {

// What discovery leaves out or could not do, for QT_LOGGING_RULES
// "dorvane.discovery.debug=true"; the installer sees the outcome itself.
Q_DECLARE_LOGGING_CATEGORY(lcDiscovery)

class DiscoveryRun : public QObject {
  Q_OBJECT

 public:
  // Where the query goes and which local port listens. Production uses the
  // defaults; tests aim at a responder on loopback or let the system pick a
  // free local port (0), so they never broadcast from the machine itself.
  struct Addresses {
    QHostAddress target{QHostAddress::Broadcast};
    quint16 targetPort = DISCOVERY_PORT;
    quint16 localPort = DISCOVERY_PORT;
  };

  explicit DiscoveryRun(QObject* parent = nullptr);

  void SetAddresses(const Addresses& addresses) { m_addresses = addresses; }

  // Re-binds, empties the list, sends the query and waits the given seconds
  // (scaled by DORVANE_TIME_SCALE) while replies are handled. Never throws:
  // what went wrong is in Outcome().
  void Discover(double seconds);

  const DeviceList& Devices() const { return m_devices; }
  const DiscoveryOutcome& Outcome() const { return m_outcome; }

 private:
  void Start();
  void ReadReplies();

  QUdpSocket* m_socket;
  Addresses m_addresses;
  DeviceList m_devices;
  DiscoveryOutcome m_outcome;
};

}  // namespace dorvane
