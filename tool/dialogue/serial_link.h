#pragma once
// The serial line to a module at "9600,n,8,1".

#include <QSerialPort>

#include "dialogue/link.h"

namespace dorvane {

class SerialLink : public Link {
  Q_OBJECT

 public:
  SerialLink(int comPort, QString device, QObject* parent = nullptr);

  // Opens the device; false with a reason.
  bool Open(QString& error);
  void Close() override;
  bool IsOpen() const override;
  bool Write(const QByteArray& bytes) override;
  qint64 BytesAvailable() const override;
  QByteArray ReadAll() override;
  QString Describe() const override;

 private:
  void OnError(QSerialPort::SerialPortError error);

  int m_comPort;
  QSerialPort m_port;
};

}  // namespace dorvane
