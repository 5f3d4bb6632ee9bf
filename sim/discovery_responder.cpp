#include "sim/discovery_responder.h"

#include <QNetworkDatagram>
#include <QTimer>

namespace dorvane::sim {

namespace {

const QByteArray kQuery = QByteArray::fromHex("000000F6");
constexpr int kReplySize = 30;
constexpr int kReplyCode = 3;
constexpr int kProductCode = 8;
constexpr int kMac = 24;

}  // namespace

DiscoveryResponder::DiscoveryResponder(const DeviceOptions& options, ReceiveLog& log, QObject* parent)
    : QObject(parent), m_options(options), m_log(log) {
  connect(&m_socket, &QUdpSocket::readyRead, this, &DiscoveryResponder::ReadDatagrams);
}

bool DiscoveryResponder::Bind(QString& whyNot) {
  // Shared, so a tool asking from the same port on the same host can bind too.
  if (m_socket.bind(QHostAddress(m_options.udpAddress), m_options.udpPort,
                    QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
    return true;
  }
  whyNot = QString("cannot bind UDP %1:%2 (%3)")
               .arg(m_options.udpAddress)
               .arg(m_options.udpPort)
               .arg(m_socket.errorString());
  return false;
}

QByteArray DiscoveryResponder::Reply(const DeviceOptions& options, int module) {
  QByteArray reply(kReplySize, '\0');
  reply[kReplyCode] = static_cast<char>(0xF7);
  reply.replace(kProductCode, 2, options.productCode.left(2));
  QByteArray mac = options.mac;
  mac[5] = static_cast<char>(static_cast<unsigned char>(mac[5]) + module);
  reply.replace(kMac, 6, mac);
  return reply;
}

void DiscoveryResponder::ReadDatagrams() {
  while (m_socket.hasPendingDatagrams()) {
    const QNetworkDatagram datagram = m_socket.receiveDatagram();
    const QString peer = QString("%1:%2").arg(datagram.senderAddress().toString()).arg(datagram.senderPort());
    const int port = m_socket.localPort();
    if (datagram.data() != kQuery) {
      m_log.Data("udp", port, datagram.data(), {{"peer", peer}});
      continue;
    }
    m_log.Event("discovery", "udp", {{"port", port}, {"peer", peer}, {"replies", m_options.modules}});
    const QHostAddress address = datagram.senderAddress();
    const quint16 senderPort = datagram.senderPort();
    auto answer = [this, address, senderPort] {
      for (int module = 0; module < m_options.modules; ++module) {
        m_socket.writeDatagram(Reply(m_options, module), address, senderPort);
      }
    };
    const int delay = m_options.RealMilliseconds(m_options.fail.slow);
    if (delay > 0) {
      QTimer::singleShot(delay, this, answer);
    } else {
      answer();
    }
  }
}

}  // namespace dorvane::sim
