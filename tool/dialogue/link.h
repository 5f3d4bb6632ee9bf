#pragma once
// A link to a module: the serial line or the TCP socket. Dialogue code sees
// only this, never the Qt classes behind it.

#include <QByteArray>
#include <QObject>
#include <QString>

namespace dorvane {

class Link : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  ~Link() override = default;

  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Writes and pushes the bytes out without waiting for the event loop.
  virtual bool Write(const QByteArray& bytes) = 0;
  virtual qint64 BytesAvailable() const = 0;
  virtual QByteArray ReadAll() = 0;
  // Where the link goes, for the transcript ("COM1 /dev/pts/3", "10.0.0.5:9999").
  virtual QString Describe() const = 0;

 signals:
  void BytesArrived();
  // The open link went away (port error, peer closed or reset the socket).
  void Dropped(const QString& why);
};

}  // namespace dorvane
