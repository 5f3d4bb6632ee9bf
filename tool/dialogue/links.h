#pragma once
// The links to a module: the serial line or the TCP socket. Dialogue code
// sees only Link, never the Qt classes behind it; the runner makes its links
// through a factory, so tests can put a fake module at the other end.

#include <QByteArray>
#include <QLoggingCategory>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTcpSocket>
#include <functional>
#include <memory>

namespace dorvane {

// Warnings of the dialogue subsystem: links, runs and their ARP commands.
Q_DECLARE_LOGGING_CATEGORY(lcDialogue)

// Where a link goes.
struct LinkTarget {
  enum class Kind { Serial, Tcp };
  Kind kind = Kind::Serial;
  int comPort = 0;   // Serial: the COM entry, for the transcript
  QString device;    // Serial: the device it opens
  QString address;   // Tcp
  quint16 port = 0;  // Tcp
};

class Link : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  ~Link() override = default;

  // Serial: opens the device at once; false with the reason. TCP: starts
  // connecting (local port any) and is true; whether the connection came
  // about shows later in IsOpen.
  virtual bool Open(QString& error) = 0;
  virtual void Close() = 0;
  // Open, or for TCP connected (the state the setup entry tests for).
  virtual bool IsOpen() const = 0;
  // Writes and pushes the bytes out without waiting for the event loop;
  // false when they could not be written.
  virtual bool Write(const QByteArray& bytes) = 0;
  virtual qint64 BytesAvailable() const = 0;
  virtual QByteArray ReadAll() = 0;
  // Where the link goes, for the transcript ("COM1 /dev/pts/3", "10.0.0.5:9999").
  virtual QString Describe() const = 0;

 signals:
  void BytesArrived();
  // The open link went away (port error, peer closed or reset the socket).
  // Emitted once per link.
  void Dropped(const QString& why);

 protected:
  void ReportDropped(const QString& why);

 private:
  bool m_dropped = false;
};

// Makes the link for a target. The runner calls it on the run's thread,
// which then owns the link and its events.
using LinkFactory = std::function<std::unique_ptr<Link>(const LinkTarget& target)>;

// The production links: SerialLink for a serial target, TcpLink for TCP.
std::unique_ptr<Link> MakeLink(const LinkTarget& target);

// The serial line to a module at "9600,n,8,1".
class SerialLink : public Link {
  Q_OBJECT

 public:
  SerialLink(int comPort, QString device, QObject* parent = nullptr);

  bool Open(QString& error) override;
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
  bool m_opened = false;       // errors before this are the open's, which Open reports
  bool m_writeFailed = false;  // set by the port's error during the write under way
  QList<QSerialPort::SerialPortError> m_reported;
};

// The TCP connection to a module's port.
class TcpLink : public Link {
  Q_OBJECT

 public:
  TcpLink(QString address, quint16 port, QObject* parent = nullptr);

  bool Open(QString& error) override;
  void Close() override;
  bool IsOpen() const override;
  bool Write(const QByteArray& bytes) override;
  qint64 BytesAvailable() const override;
  QByteArray ReadAll() override;
  QString Describe() const override;

 private:
  QString m_address;
  quint16 m_port;
  QTcpSocket m_socket;
  bool m_wasConnected = false;
};

}  // namespace dorvane
