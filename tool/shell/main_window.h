#pragma once
// frmMain: the start-up window, open for the whole run. Host facts, the ping
// box, one button per function and the language buttons.

#include <QMainWindow>
#include <functional>
#include <memory>

#include "widgets/programming_host.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace Ui {
class frmMain;
}

namespace dorvane {

class DiscoveryRun;
struct BoardFamily;

class MainWindow : public QMainWindow, public ProgrammingHost {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Enables or disables the function buttons and the close box
  // together; the language buttons and Network Connections stay usable.
  void ButtonMode(bool enabled);

  // The ping box that programming and monitor windows read and fill.
  QLineEdit* PingBox() const;

  // The first address of network adapter 0..2 as shown; programming windows
  // pick their link from it.
  QString CurrentIPAddress(int adapter) const;

  // The buttons ButtonMode switches, in their documented order.
  QList<QPushButton*> FunctionButtons() const;

  // What the programming windows need of this window.
  QString FirstAdapterAddress() const override;
  void SetPingBoxText(const QString& address) override;
  void EnableHostWindow() override;

 private:
  void Load();
  void CompleteCaption();
  void FillStatusPanels();
  void FillDriveList();
  void UpdateClockPanels();
  void SetLanguage(int offset);
  void ClearPingResults();
  // Clears the ping box, shows the window modally with this one disabled,
  // and enables it again; a failure is the error report with the label.
  void OpenProgrammingWindow(const char* errorLabel, const std::function<void()>& show);
  void OnProgramPellar();
  void OnProgramFamily(const BoardFamily& family);

  void OnDiscover();
  void OnCurrentIP();
  void OnTestSystem();
  void OnPing();
  void OnTerminal();
  void OnNetworkConnections();

  std::unique_ptr<Ui::frmMain> m_ui;
  QLabel* m_shortDatePanel = nullptr;
  QLabel* m_timeFormatPanel = nullptr;
  QLabel* m_datePanel = nullptr;
  QLabel* m_timePanel = nullptr;
  QTimer* m_clockTimer = nullptr;
  DiscoveryRun* m_discovery = nullptr;  // owns SckUDP, bound from the first discovery on
  QList<QPushButton*> m_familyButtons;  // the families the main window opens, in the list's order
};

}  // namespace dorvane
