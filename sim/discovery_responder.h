#pragma once
// The modules' answer to the discovery query: one 30-byte reply per simulated
// module, sent back to whoever asked.

#include <QByteArray>
#include <QObject>
#include <QUdpSocket>

#include "sim/device_options.h"
#include "sim/receive_log.h"

namespace dorvane::sim {

class DiscoveryResponder : public QObject {
  Q_OBJECT

 public:
  DiscoveryResponder(const DeviceOptions& options, ReceiveLog& log, QObject* parent = nullptr);

  bool Bind(QString& whyNot);
  quint16 Port() const { return m_socket.localPort(); }

  // The reply of the module with the given number (0 = the first): the MAC's
  // last byte goes up by one per module.
  static QByteArray Reply(const DeviceOptions& options, int module);

 private:
  void ReadDatagrams();

  DeviceOptions m_options;
  ReceiveLog& m_log;
  QUdpSocket m_socket;
};

}  // namespace dorvane::sim
