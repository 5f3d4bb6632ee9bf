#pragma once
// frmOpenPort: the COM entry and rate the terminal opens, shown before the
// terminal window. Exit, or any failure to open, ends the program.

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace dorvane::terminal {

class TerminalWindow;

class OpenPortWindow : public QDialog {
  Q_OBJECT

 public:
  explicit OpenPortWindow(TerminalWindow& terminal, QWidget* parent = nullptr);

  // What the program ends with when the window was left without a port: 0
  // after Exit, 1 after a failure to open.
  int ExitCode() const { return m_exitCode; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnOpen();
  void EndProgram(int exitCode);
  void ShowPortDevice();
  void OnDeviceManager();
  void ShowSerialDevices();

  TerminalWindow& m_terminal;
  QComboBox* m_cmbPorts = nullptr;
  QComboBox* m_cmbBaudRate = nullptr;
  QLabel* m_lblPortDevice = nullptr;
  QLabel* m_lblDeviceManager = nullptr;
  QPushButton* m_cmdOpen = nullptr;
  QPushButton* m_cmdExit = nullptr;
  int m_exitCode = 0;
};

}  // namespace dorvane::terminal
