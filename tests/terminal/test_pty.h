#pragma once
// A pty a terminal test opens itself: the terminal opens the slave as its
// serial port, the test writes what a device would send into the master and
// reads what the terminal sent. The slave is kept open (raw) for the test's
// life so the master never sees a hang-up between opens.

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace dorvane::testing {

class TestPty : public QObject {
  Q_OBJECT

 public:
  TestPty();
  ~TestPty() override;
  TestPty(const TestPty&) = delete;
  TestPty& operator=(const TestPty&) = delete;

  // False with the reason in Error() when no pty could be made.
  bool Open();
  QString Error() const { return m_error; }
  QString SlavePath() const { return m_slavePath; }

  // Queues bytes for the terminal; they go out as the pty takes them, so a
  // write larger than the pty's buffer never blocks the test's thread.
  void Write(const QByteArray& bytes);
  // What the terminal sent since the last Take.
  QByteArray Take();
  // Runs the event loop until at least count bytes wait to be taken, at
  // most timeoutMs.
  bool WaitForBytes(qsizetype count, int timeoutMs = 5000);
  // Runs the event loop until everything queued was written, at most
  // timeoutMs.
  bool WaitUntilWritten(int timeoutMs = 10000);

  // The serial settings the terminal gave the port.
  int InputSpeed() const;  // in baud, 0 when unknown
  bool EightDataBits() const;
  bool ParityOn() const;
  bool TwoStopBits() const;

  // Hangs the line up, as a device unplugged would.
  void CloseMaster();

 signals:
  void BytesArrived();
  void WriteDone();

 private:
  void OnReadable();
  void OnWritable();

  int m_master = -1;
  int m_slave = -1;
  QString m_slavePath;
  QString m_error;
  QByteArray m_received;
  QByteArray m_pending;
  QSocketNotifier* m_readNotifier = nullptr;
  QSocketNotifier* m_writeNotifier = nullptr;
};

}  // namespace dorvane::testing
