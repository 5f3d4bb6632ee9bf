#pragma once
// The module's network side: the setup port, where every connection gets its
// own setup-menu session, and the assign port, which a module answers only to
// take on an address the tool has put in the ARP cache.

#include <QObject>
#include <QTcpServer>

#include "sim/device_options.h"
#include "sim/receive_log.h"

namespace dorvane::sim {

class TcpTransport : public QObject {
  Q_OBJECT

 public:
  TcpTransport(const DeviceOptions& options, ReceiveLog& log, QObject* parent = nullptr);

  bool ListenSetup(QString& whyNot);
  bool ListenAssign(QString& whyNot);
  // The ports actually bound (a requested port 0 becomes a free one).
  quint16 SetupPort() const { return m_setup.serverPort(); }
  quint16 AssignPort() const { return m_assign.serverPort(); }

 private:
  void AcceptSetup();
  void AcceptAssign();

  DeviceOptions m_options;
  ReceiveLog& m_log;
  QTcpServer m_setup;
  QTcpServer m_assign;
};

}  // namespace dorvane::sim
