#pragma once
// fraReverseNetwork: the reverse-network settings, with which a board
// listens on a port of the installer's choice (static local port) or a
// dynamic one instead of the fixed port. Placed on a form as a promoted
// QGroupBox; it builds its own controls by their documented names
// (txtReverseNetworkPort, optLocalPort_0 and _1, cmdReverseSave,
// cmdSaveDefaultReverseNetworkPort, lblReverseNetworkPort).

#include <QString>
#include <string>

#include "programming/run_inputs.h"
#include "widgets/settings_frame.h"

class QLineEdit;
class QRadioButton;

namespace dorvane {

class ReverseNetworkFrame : public SettingsFrame {
  Q_OBJECT

 public:
  explicit ReverseNetworkFrame(QWidget* parent = nullptr);

  // What the window's module accepts: 65535 unless set (9999 for the XPort
  // AR module).
  void SetHighestPort(int port) { m_highestPort = port; }
  // Windows whose port box takes digits only (the port keys of the VRA-Link
  // box); without it any character can be typed, and Save refuses whatever
  // is not a port number (CheckReversePort), letters included.
  void FilterPortKeys();

  // Shows the frame with the focus in the port box.
  void Open() override;

  // The installer cleared the settings: no longer saved, port "0".
  void Clear();

  // The start of a run with saved settings: the reverse question, and after
  // a No the clear question (Yes clears). True: the run goes on; without
  // saved settings nothing is asked. device names the board in the question.
  bool ConfirmRun(const std::string& device = "PELLAR");

  QString PortText() const;  // as typed
  bool StaticLocalPort() const;
  // What a run is given: whether Save took the settings, the port as typed
  // and the local port choice.
  ReverseNetwork Settings() const;

 private:
  void OnSave();
  void OnSaveDefault();

  QLineEdit* m_port;
  QRadioButton* m_staticLocalPort;
  QRadioButton* m_dynamicLocalPort;
  int m_highestPort = 65535;
};

}  // namespace dorvane
