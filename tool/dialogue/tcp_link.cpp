#include "dialogue/tcp_link.h"

namespace dorvane {

TcpLink::TcpLink(QString address, quint16 port, QObject* parent)
    : Link(parent), m_address(std::move(address)), m_port(port) {
  connect(&m_socket, &QTcpSocket::readyRead, this, &Link::BytesArrived);
  connect(&m_socket, &QTcpSocket::connected, this, [this] { m_wasConnected = true; });
  connect(&m_socket, &QTcpSocket::disconnected, this, [this] {
    if (m_wasConnected) emit Dropped("the module closed the connection");
  });
  connect(&m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
    if (m_wasConnected && error != QAbstractSocket::RemoteHostClosedError) emit Dropped(m_socket.errorString());
  });
}

void TcpLink::Connect() { m_socket.connectToHost(m_address, m_port); }

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
