#include "discovery/discovery_run.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QVariant>

#include "dialogue/wait_clock.h"

namespace dorvane {

Q_LOGGING_CATEGORY(lcDiscovery, "dorvane.discovery", QtWarningMsg)

namespace {

// Every module on the segment answers within the same few milliseconds; a
// default-sized buffer can overflow before the event loop gets to read.
constexpr int kReceiveBufferBytes = 1 << 20;

}  // namespace

DiscoveryRun::DiscoveryRun(QObject* parent) : QObject(parent), m_socket(new QUdpSocket(this)) {
  m_socket->setObjectName("SckUDP");
  connect(m_socket, &QUdpSocket::readyRead, this, &DiscoveryRun::ReadReplies);
  m_devices.Reset();
}

void DiscoveryRun::Discover(double seconds) {
  Start();
  Pause(seconds);
}

void DiscoveryRun::Start() {
  m_socket->abort();
  m_devices.Reset();
  m_outcome = {};
  m_outcome.localPort = m_addresses.localPort;

  // Sharing the port lets discovery run beside another program that listens
  // on it with address reuse; a program that holds it exclusively still wins.
  if (!m_socket->bind(QHostAddress::AnyIPv4, m_addresses.localPort,
                      QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
    m_outcome.failure = m_socket->error() == QAbstractSocket::AddressInUseError ? DiscoveryOutcome::Failure::PortInUse
                                                                                : DiscoveryOutcome::Failure::BindFailed;
    m_outcome.detail = m_socket->errorString().toStdString();
    // Sending from an unbound socket would bind some other port, where no
    // reply is expected.
    qCInfo(lcDiscovery) << "no query sent: UDP port" << m_addresses.localPort
                        << "not bound:" << m_socket->errorString();
    return;
  }
  m_socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, QVariant(kReceiveBufferBytes));

  const std::string query = DiscoveryQuery();
  const QByteArray bytes(query.data(), static_cast<qsizetype>(query.size()));
  if (m_socket->writeDatagram(bytes, m_addresses.target, m_addresses.targetPort) != bytes.size()) {
    m_outcome.failure = DiscoveryOutcome::Failure::SendFailed;
    m_outcome.detail = m_socket->errorString().toStdString();
    qCInfo(lcDiscovery) << "query not sent to" << m_addresses.target.toString() << ":" << m_socket->errorString();
  }
}

void DiscoveryRun::ReadReplies() {
  while (m_socket->hasPendingDatagrams()) {
    QNetworkDatagram datagram = m_socket->receiveDatagram();
    if (!datagram.isValid()) break;
    const QByteArray data = datagram.data();
    bool isIPv4 = false;
    const quint32 source = datagram.senderAddress().toIPv4Address(&isIPv4);
    if (!isIPv4) {
      qCDebug(lcDiscovery) << "ignored a datagram from" << datagram.senderAddress().toString() << "(not IPv4)";
      continue;
    }
    std::optional<DiscoveredDevice> device =
        DecodeReply(std::string_view(data.constData(), static_cast<std::size_t>(data.size())),
                    QHostAddress(source).toString().toStdString());
    if (!device) {
      qCDebug(lcDiscovery) << "ignored" << data.size() << "bytes from" << datagram.senderAddress().toString()
                           << "(no module reply)";
    } else if (!m_devices.Add(std::move(*device))) {
      qCDebug(lcDiscovery) << "dropped a reply from" << datagram.senderAddress().toString() << "(list full)";
    }
  }
}

}  // namespace dorvane
