#pragma once
// frmMain of DorvaneHyperTerminal: the terminal text, the port it shows
// (PDQMainComm), what typing and Send Command send, the hex view and the
// session log. Only Exit closes it.

#include <QFile>
#include <QSerialPort>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "terminal/terminal_settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace dorvane::terminal {

// The terminal's own error report: the arrow pointer back, then for a
// number other than 0 a critical box titled "<program> - Version x.y.z".
void ShowTerminalErrorReport(const QString& label, int number, const QString& description);
// From a catch block: the exception being handled, under the label.
void ReportTrappedTerminalError(const QString& label);

class TerminalWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TerminalWindow(QWidget* parent = nullptr);
  ~TerminalWindow() override;

  // Opens COM entry `port` with the baud code and framing. On failure shows
  // the report "Dorvane Open Port" and returns false: the program then ends.
  bool OpenCommPort(int port, int baudCode, bool evenParity, int dataBits, int stopBits);
  // The same for a device named by its path (the command line's --port PATH).
  bool OpenCommDevice(const QString& device, int baudCode, bool evenParity, int dataBits, int stopBits);

  // Received characters waiting to be read; 0 when the port cannot say.
  qint64 CommInputCount();
  // The next count characters waiting; empty when count is not above 0.
  QByteArray ReadCommInput(qint64 count);
  // Drops what arrived before the terminal was ready for it.
  void DiscardWaitingInput();

  int PortNumber() const { return m_portNumber; }
  // The device the port was opened on, as it was named (a path on Linux).
  QString Device() const { return m_device; }
  QString SettingsText() const { return QString::fromStdString(m_settings); }
  QSerialPort& Port() { return m_port; }

  // The session log: everything received and sent from now on, appended to
  // the file with times. False, after saying why, when it cannot be opened.
  bool StartLog(const QString& path);
  void StopLog();
  bool Logging() const { return m_log.isOpen(); }
  // Who picks the log file when the installer ticks the log box (a file
  // dialog unless replaced).
  void SetLogFileChooser(std::function<QString(QWidget*)> chooser) { m_chooseLogFile = std::move(chooser); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool OpenPort(int port, const QString& device, int baudCode, bool evenParity, int dataBits, int stopBits);
  void OnReceive();
  void ShowReceived(const QByteArray& bytes);
  void ShowHex(const QByteArray& bytes);
  void SendToPort(const QByteArray& bytes);
  void OnSendCommand();
  void OnLogToggled(bool on);
  void OnPortError(QSerialPort::SerialPortError error);
  void WriteLog(Direction direction, const QByteArray& bytes);
  void Place();

  QSerialPort m_port;
  int m_portNumber = 0;
  QString m_device;
  std::string m_settings;
  QPlainTextEdit* m_trmText = nullptr;
  QPlainTextEdit* m_trmHex = nullptr;
  QLineEdit* m_txtSendData = nullptr;
  QPushButton* m_cmdSend = nullptr;
  QPushButton* m_cmdExit = nullptr;
  QCheckBox* m_chkHexView = nullptr;
  QCheckBox* m_chkLog = nullptr;
  QLabel* m_lblLogFile = nullptr;
  int m_hexColumn = 0;
  QFile m_log;
  std::function<QString(QWidget*)> m_chooseLogFile;
};

}  // namespace dorvane::terminal
