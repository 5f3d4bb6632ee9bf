#include "sim/tcp_transport.h"

#include <QTcpSocket>

#include "sim/module_session.h"

namespace dorvane::sim {

namespace {

const char kByModule[] = "closedByModule";

QString Peer(const QTcpSocket* socket) {
  return QString("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort());
}

bool Listen(QTcpServer& server, const QString& address, quint16 port, QString& whyNot) {
  if (server.listen(QHostAddress(address), port)) return true;
  whyNot = QString("cannot listen on %1:%2 (%3)").arg(address).arg(port).arg(server.errorString());
  return false;
}

}  // namespace

TcpTransport::TcpTransport(const DeviceOptions& options, ReceiveLog& log, QObject* parent)
    : QObject(parent), m_options(options), m_log(log) {
  connect(&m_setup, &QTcpServer::newConnection, this, &TcpTransport::AcceptSetup);
  connect(&m_assign, &QTcpServer::newConnection, this, &TcpTransport::AcceptAssign);
}

bool TcpTransport::ListenSetup(QString& whyNot) {
  return Listen(m_setup, m_options.tcpAddress, m_options.setupPort, whyNot);
}

bool TcpTransport::ListenAssign(QString& whyNot) {
  return Listen(m_assign, m_options.tcpAddress, m_options.assignPort, whyNot);
}

void TcpTransport::AcceptSetup() {
  while (QTcpSocket* socket = m_setup.nextPendingConnection()) {
    const int port = socket->localPort();
    const QString peer = Peer(socket);
    m_log.Event("connect", "tcp", {{"port", port}, {"peer", peer}});
    auto* session = new ModuleSession(m_options, LinkKind::kTcp, port, m_log, socket);
    connect(socket, &QTcpSocket::readyRead, session, [socket, session] { session->Receive(socket->readAll()); });
    connect(session, &ModuleSession::Send, socket, [socket](const QByteArray& bytes) { socket->write(bytes); });
    connect(session, &ModuleSession::HangUp, socket, [socket] {
      socket->setProperty(kByModule, true);
      socket->disconnectFromHost();
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket, port, peer] {
      const char* by = socket->property(kByModule).toBool() ? "module" : "peer";
      m_log.Event("disconnect", "tcp", {{"port", port}, {"peer", peer}, {"by", QString(by)}});
      socket->deleteLater();
    });
    session->Connect();
  }
}

void TcpTransport::AcceptAssign() {
  while (QTcpSocket* socket = m_assign.nextPendingConnection()) {
    const int port = socket->localPort();
    const QString peer = Peer(socket);
    m_log.Event("connect", "tcp", {{"port", port}, {"peer", peer}});
    m_log.Event("disconnect", "tcp", {{"port", port}, {"peer", peer}, {"by", QString("module")}});
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
  }
}

}  // namespace dorvane::sim
