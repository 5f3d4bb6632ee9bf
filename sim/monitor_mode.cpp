#include "sim/monitor_mode.h"

#include <QHostAddress>

namespace dorvane::sim {

namespace {

const char kDone[] = "0>";
const char kFailed[] = "9>";
const char kMask[] = "255.255.255.0";

// The module's gateway: host 1 of its own /24.
QByteArray GatewayOf(const QString& address) {
  const QHostAddress host(address);
  if (host.protocol() != QAbstractSocket::IPv4Protocol) return address.toLatin1();
  return QHostAddress((host.toIPv4Address() & 0xFFFFFF00u) | 1u).toString().toLatin1();
}

}  // namespace

MonitorMode::MonitorMode(const DeviceOptions& options) : m_options(options) {}

ModuleReply MonitorMode::Enter() {
  m_left = false;
  m_line.clear();
  m_held.clear();
  ModuleReply reply;
  reply.events << "monitor";
  reply.answerEnded = true;
  reply.output = QByteArray("\r\n*** NodeSet 2.4 monitor ***\r\n") + kDone;
  return reply;
}

ModuleReply MonitorMode::Receive(char byte) {
  if (m_left || byte == '\n') return {};
  if (byte != '\r') {
    m_line += byte;
    return {};
  }
  const QByteArray command = m_line.trimmed().toUpper();
  m_line.clear();
  return Command(command);
}

ModuleReply MonitorMode::Command(const QByteArray& command) {
  ModuleReply reply;
  reply.answerEnded = true;
  if (command == "QU") {
    m_left = true;
    reply.events << "monitor-quit";
    reply.output = m_held + "\r\nLeaving monitor mode\r\n";
    m_held.clear();
    return reply;
  }
  const QByteArray answer = Answer(command);
  if (m_options.fail.slowMonitor <= 0.0) {
    reply.output = answer;
    return reply;
  }
  // The first answer held back sets the timer; later ones join it.
  if (m_held.isEmpty()) reply.timerMs = m_options.RealMilliseconds(m_options.fail.slowMonitor);
  m_held += answer;
  return reply;
}

ModuleReply MonitorMode::TimerExpired() {
  ModuleReply reply;
  reply.output = m_held;
  m_held.clear();
  return reply;
}

QByteArray MonitorMode::Answer(const QByteArray& command) const {
  if (m_options.fail.rejectCommands.contains(QString::fromLatin1(command))) {
    return "\r\n" + command + ": command not available\r\n" + kFailed;
  }
  const QByteArray address = m_options.tcpAddress.toLatin1();
  QByteArray text;
  if (command == "NC") {
    text = "IP addr " + address + ", no DHCP\r\n" + "Network mask " + kMask + "\r\n" + "Gateway " +
           GatewayOf(m_options.tcpAddress) + "\r\n" + "MAC address " + m_options.MacText() + "\r\n";
  } else if (command == "TT") {
    text = QByteArray("TCP connection table\r\n") + "Local " + address + ":" + QByteArray::number(m_options.setupPort) +
           " ESTABLISHED (monitor)\r\n" + "Local 0.0.0.0:10001 LISTEN\r\n";
  } else if (command == "SA") {
    text =
        QByteArray("Scan: 2 networks\r\n") + "DORVANE-SITE ch 6 -48 dBm WPA2\r\n" + "WAREHOUSE-2 ch 11 -71 dBm WEP\r\n";
  } else if (command == "NS") {
    text = QByteArray("Link: associated\r\n") + "SSID: DORVANE-SITE\r\n" + "Channel: 6\r\n" + "Signal: -48 dBm\r\n" +
           "BSSID: 00:20:4A:65:43:21\r\n";
  } else {
    return "\r\n?\r\n" + QByteArray(kFailed);
  }
  return "\r\n" + text + kDone;
}

}  // namespace dorvane::sim
