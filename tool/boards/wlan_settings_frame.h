#pragma once
// wlanSettings: the WLAN settings of the wireless boards (topology, network
// name, channel, security suite with its key, transmit rate), the same on
// both wireless windows. Placed on a form as a promoted QWidget; its
// controls come from its own form. The lists fill themselves and follow one
// another (a topology offers its suites, a suite its encryption and key
// widths); the wireless key is checked when the installer leaves it and at
// the Program click.

#include <QWidget>
#include <memory>
#include <utility>

#include "boards/wireless_setup_script.h"

namespace Ui {
class WlanSettingsFrame;
}

namespace dorvane {

class WlanSettingsFrame : public QWidget {
  Q_OBJECT

 public:
  explicit WlanSettingsFrame(QWidget* parent = nullptr);
  ~WlanSettingsFrame() override;

  // Load: the lists in their documented order and defaults, the key empty.
  void FillLists();

  // The Program click's check of the wireless key, when the suite and the
  // change choice take one; false when the key is unusable (its box shown,
  // the focus in the key).
  bool CheckKeyForRun();

  // The WLAN part of a run's inputs.
  WlanSettings Settings() const;

 private:
  void SetTopology();
  void OnSecurityClick();
  void OnChangeKeyClick();
  void SetEncryptionKeyWidth();
  bool CheckEncryptionKey();
  Suite CurrentSuite() const;
  KeyChange CurrentKeyChange() const;

  std::unique_ptr<Ui::WlanSettingsFrame> m_ui;
};

// What both wireless windows read alike from their forms, whose controls
// have the same names: the COM entry, the board's channel, the server-only
// box and the WLAN frame; server is the window's address block.
template <typename Form>
WirelessInputs WirelessFormInputs(const Form& ui, ServerAddress server) {
  WirelessInputs in;
  in.server = std::move(server);
  in.link.port = ui.cmbPort->currentIndex() + 1;
  in.baudText = ui.cmbPortSpeed->currentText().toStdString();
  in.ethernetIndex = ui.cmbEthernet->currentIndex();
  in.defaultOnly = ui.chkDefaultOnly->isChecked();
  in.wlan = ui.wlanSettings->Settings();
  return in;
}

}  // namespace dorvane
