#pragma once
// Stands in for modules on loopback, so discovery can be exercised without a
// broadcast: listens on 127.0.0.1 at a free port and answers every query
// with the configured replies, each sent from its own 127.0.0.x address.

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QUdpSocket>
#include <map>
#include <memory>

namespace dorvane::testing {

class LoopbackResponder : public QObject {
  Q_OBJECT

 public:
  struct Reply {
    QByteArray datagram;
    QHostAddress from{QHostAddress::LocalHost};
  };

  explicit LoopbackResponder(QList<Reply> replies = {}, QObject* parent = nullptr);

  quint16 Port() const { return m_socket.localPort(); }
  int QueriesSeen() const { return m_queriesSeen; }
  QByteArray LastQuery() const { return m_lastQuery; }

  // Sends one more datagram to whoever queried last, outside any query.
  void SendLate(const Reply& reply);

 signals:
  void Queried();

 private:
  void Answer();
  void Send(const Reply& reply);

  QUdpSocket m_socket;
  std::map<quint32, std::unique_ptr<QUdpSocket>> m_senders;  // one per source address
  QList<Reply> m_replies;
  int m_queriesSeen = 0;
  QByteArray m_lastQuery;
  QHostAddress m_peer;
  quint16 m_peerPort = 0;
};

}  // namespace dorvane::testing
