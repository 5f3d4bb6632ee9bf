#include "dialogue/serial_link.h"

namespace dorvane {

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
  return true;
}

void SerialLink::OnError(QSerialPort::SerialPortError error) {
  // A pty refuses the modem-control calls; only a lost device ends the link.
  if (error == QSerialPort::ResourceError || error == QSerialPort::DeviceNotFoundError) {
    emit Dropped(m_port.errorString());
  }
}

void SerialLink::Close() {
  if (m_port.isOpen()) m_port.close();
}

bool SerialLink::IsOpen() const { return m_port.isOpen(); }

bool SerialLink::Write(const QByteArray& bytes) {
  if (m_port.write(bytes) != bytes.size()) return false;
  m_port.flush();
  return true;
}

qint64 SerialLink::BytesAvailable() const { return m_port.bytesAvailable(); }

QByteArray SerialLink::ReadAll() { return m_port.readAll(); }

QString SerialLink::Describe() const { return QString("COM%1 %2").arg(m_comPort).arg(m_port.portName()); }

}  // namespace dorvane
