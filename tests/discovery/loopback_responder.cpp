#include "loopback_responder.h"

#include <QNetworkDatagram>

namespace dorvane::testing {

LoopbackResponder::LoopbackResponder(QList<Reply> replies, QObject* parent)
    : QObject(parent), m_replies(std::move(replies)) {
  if (!m_socket.bind(QHostAddress::LocalHost, 0)) qFatal("loopback responder: %s", qPrintable(m_socket.errorString()));
  connect(&m_socket, &QUdpSocket::readyRead, this, &LoopbackResponder::Answer);
}

void LoopbackResponder::Answer() {
  while (m_socket.hasPendingDatagrams()) {
    QNetworkDatagram query = m_socket.receiveDatagram();
    ++m_queriesSeen;
    m_lastQuery = query.data();
    m_peer = query.senderAddress();
    m_peerPort = static_cast<quint16>(query.senderPort());
    for (const Reply& reply : m_replies) Send(reply);
    emit Queried();
  }
}

void LoopbackResponder::SendLate(const Reply& reply) { Send(reply); }

void LoopbackResponder::Send(const Reply& reply) {
  // The tool's socket listens on every address, so a reply sent from
  // 127.0.0.2 shows that the listed address is the datagram's source.
  std::unique_ptr<QUdpSocket>& sender = m_senders[reply.from.toIPv4Address()];
  if (!sender) {
    sender = std::make_unique<QUdpSocket>();
    if (!sender->bind(reply.from, 0)) qFatal("loopback responder: %s", qPrintable(sender->errorString()));
  }
  sender->writeDatagram(reply.datagram, m_peer, m_peerPort);
}

}  // namespace dorvane::testing
