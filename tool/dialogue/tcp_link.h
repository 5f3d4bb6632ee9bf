#pragma once
// The TCP connection to a module's port.

#include <QTcpSocket>

#include "dialogue/link.h"

namespace dorvane {

class TcpLink : public Link {
  Q_OBJECT

 public:
  TcpLink(QString address, quint16 port, QObject* parent = nullptr);

  // Starts connecting (local port any); the outcome shows in IsOpen.
  void Connect();
  void Close() override;
  // Connected, the state the setup entry tests for.
  bool IsOpen() const override;
  bool Write(const QByteArray& bytes) override;
  qint64 BytesAvailable() const override;
  QByteArray ReadAll() override;
  QString Describe() const override;

 private:
  QString m_address;
  quint16 m_port;
  QTcpSocket m_socket;
  bool m_wasConnected = false;
};

}  // namespace dorvane
