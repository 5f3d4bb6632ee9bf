#include "dialogue/links.h"

#include <QMetaEnum>

namespace dorvane {

Q_LOGGING_CATEGORY(lcDialogue, "dorvane.dialogue")

void Link::ReportDropped(const QString& why) {
  if (m_dropped) return;
  m_dropped = true;
  qCWarning(lcDialogue) << Describe() << "dropped:" << why;
  emit Dropped(why);
}

std::unique_ptr<Link> MakeLink(const LinkTarget& target) {
  if (target.kind == LinkTarget::Kind::Serial) return std::make_unique<SerialLink>(target.comPort, target.device);
  return std::make_unique<TcpLink>(target.address, target.port);
}

SerialLink::SerialLink(int comPort, QString device, QObject* parent)
    : Link(parent), m_comPort(comPort), m_port(device) {
  connect(&m_port, &QSerialPort::readyRead, this, &Link::BytesArrived);
  connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLink::OnError);
}

bool SerialLink::Open(QString& error) {
  m_port.setBaudRate(QSerialPort::Baud9600);
  m_port.setParity(QSerialPort::NoParity);
  m_port.setDataBits(QSerialPort::Data8);
  m_port.setStopBits(QSerialPort::OneStop);
  m_port.setFlowControl(QSerialPort::NoFlowControl);
  if (!m_port.open(QIODevice::ReadWrite)) {
    error = m_port.errorString();
    return false;
  }
  m_port.clearError();
  m_opened = true;
  return true;
}

void SerialLink::OnError(QSerialPort::SerialPortError error) {
  // Before the port is open every error is the open's, which Open returns.
  if (error == QSerialPort::NoError || !m_opened) return;
  const QString why = QString("%1: %2")
                          .arg(QMetaEnum::fromType<QSerialPort::SerialPortError>().valueToKey(error))
                          .arg(m_port.errorString());
  bool warn = true;
  switch (error) {
    case QSerialPort::ResourceError:        // the device went away: adapter unplugged, pty closed
    case QSerialPort::DeviceNotFoundError:  // ... and is gone from the system
    case QSerialPort::ReadError:            // what the module sends can no longer be read
      ReportDropped("the serial port failed (" + why + ")");
      return;
    case QSerialPort::WriteError:    // bytes of the script did not go out
    case QSerialPort::NotOpenError:  // written after the port was closed under the run
      m_writeFailed = true;
      break;
    case QSerialPort::UnsupportedOperationError:  // a pty refuses the modem-control calls
    case QSerialPort::UnknownError:               // a control call the driver did not take
    case QSerialPort::TimeoutError:               // only blocking waits time out, and the link has none
    case QSerialPort::PermissionError:            // refusals belong to opening, which succeeded
    case QSerialPort::OpenError:
      // The line itself still works: a real fault shows in the next read or
      // write.
      warn = false;
      break;
    case QSerialPort::NoError: return;
  }
  m_port.clearError();
  if (m_reported.contains(error)) return;
  m_reported << error;
  if (warn) {
    qCWarning(lcDialogue) << Describe() << "write failed:" << why;
  } else {
    qCDebug(lcDialogue) << Describe() << "ignored:" << why;
  }
}

void SerialLink::Close() {
  m_opened = false;
  if (m_port.isOpen()) m_port.close();
}

bool SerialLink::IsOpen() const { return m_port.isOpen(); }

bool SerialLink::Write(const QByteArray& bytes) {
  if (m_writeFailed || m_port.write(bytes) != bytes.size()) return false;
  m_port.flush();
  return !m_writeFailed;
}

qint64 SerialLink::BytesAvailable() const { return m_port.bytesAvailable(); }

QByteArray SerialLink::ReadAll() { return m_port.readAll(); }

QString SerialLink::Describe() const { return QString("COM%1 %2").arg(m_comPort).arg(m_port.portName()); }

TcpLink::TcpLink(QString address, quint16 port, QObject* parent)
    : Link(parent), m_address(std::move(address)), m_port(port) {
  connect(&m_socket, &QTcpSocket::readyRead, this, &Link::BytesArrived);
  connect(&m_socket, &QTcpSocket::connected, this, [this] { m_wasConnected = true; });
  connect(&m_socket, &QTcpSocket::disconnected, this, [this] {
    if (m_wasConnected) ReportDropped("the module closed the connection");
  });
  connect(&m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
    if (m_wasConnected && error != QAbstractSocket::RemoteHostClosedError) ReportDropped(m_socket.errorString());
  });
}

bool TcpLink::Open(QString&) {
  m_socket.connectToHost(m_address, m_port);
  return true;
}

void TcpLink::Close() {
  m_wasConnected = false;
  m_socket.abort();
}

bool TcpLink::IsOpen() const { return m_socket.state() == QAbstractSocket::ConnectedState; }

bool TcpLink::Write(const QByteArray& bytes) {
  if (m_socket.write(bytes) != bytes.size()) return false;
  m_socket.flush();
  return true;
}

qint64 TcpLink::BytesAvailable() const { return m_socket.bytesAvailable(); }

QByteArray TcpLink::ReadAll() { return m_socket.readAll(); }

QString TcpLink::Describe() const { return QString("%1:%2").arg(m_address).arg(m_port); }

}  // namespace dorvane
