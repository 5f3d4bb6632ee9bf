#include "boards/pellar_wireless_encrypted_window.h"

#include <QKeyEvent>

#include "boards/pellar_run_messages.h"
#include "boards/wlan_settings_frame.h"
#include "ui_pellar_wireless_encrypted_window.h"
#include "widgets/apply_language.h"
#include "widgets/encryption_key_box.h"
#include "widgets/error_report.h"
#include "widgets/input_boxes.h"
#include "widgets/reverse_network_frame.h"

namespace dorvane {

PellarWirelessEncryptedWindow::PellarWirelessEncryptedWindow(ProgrammingHost& host, QWidget* parent,
                                                             DialogueRunner::Options runOptions)
    : ProgrammingWindow(host, parent, std::move(runOptions)), m_ui(std::make_unique<Ui::frmPellarWirelessEncrypted>()) {
  m_ui->setupUi(this);
  AttachForm(*m_ui, "wireless_encrypted_window");
  SetRunErrorLabel(kPellarRunLabel);
  SetServiceKeys({{kDefaultOnlyKey, m_ui->chkDefaultOnly}});
  SetEnableButtonsList({m_ui->cmdExit, m_ui->cmdProgramPellar2, m_ui->txtGateway, m_ui->txtIPAddress, m_ui->cmbSubnet,
                        m_ui->cmdReverseNetworkPort});
  AddSettingsFrame(m_ui->cmdReverseNetworkPort, m_ui->fraReverseNetwork);
  // The run reads these when it starts; the WLAN fields lock as one, so each
  // keeps its own enabled state for after the run.
  LockDuringRun({m_ui->cmbPort, m_ui->cmbPortSpeed, m_ui->cmbEthernet, m_ui->chkDefaultOnly, m_ui->wlanSettings,
                 m_ui->keyDataEncryption});
  SetProgramChecks({
      [this] { return m_ui->fraReverseNetwork->ConfirmRun(); },
      [this] { return m_ui->wlanSettings->CheckKeyForRun(); },
      [this] { return CheckDataKey(); },
  });
  // The wireless key is txtEncryptionKey here, so the data key box takes the
  // other names.
  m_ui->keyDataEncryption->SetNameStem("DataEncryption");
  ShowComPortDevice(m_ui->cmbPort, m_ui->lblPortDevice);
  Load();
}

PellarWirelessEncryptedWindow::~PellarWirelessEncryptedWindow() = default;

void PellarWirelessEncryptedWindow::Load() {
  try {
    ApplyLanguage(this);
    setWindowTitle(WindowText(1101));
    FillComPortList(m_ui->cmbPort, kWirelessPortCount);
    FillSubnetList();
    FillPortSpeedList("9600");
    FillEthernetList(m_ui->cmbEthernet);
    m_ui->wlanSettings->FillLists();
    m_ui->keyDataEncryption->Label()->setText(" " + WindowText(1071));
    PrefillAddressFromCommandLine();
    AddEscapeHint();
  } catch (...) {
    ReportTrappedError("Program Pellar Load Form");
  }
  StartClock();
}

WirelessEncryptedInputs PellarWirelessEncryptedWindow::Inputs() const {
  WirelessEncryptedInputs in;
  static_cast<WirelessInputs&>(in) = WirelessFormInputs(*m_ui, ServerAddressInput());
  in.reverse = m_ui->fraReverseNetwork->Settings();
  in.dataKey = {m_ui->keyDataEncryption->Size().value_or(KeySize::Bits128),
                m_ui->keyDataEncryption->Key().trimmed().toStdString()};
  return in;
}

bool PellarWirelessEncryptedWindow::CheckDataKey() {
  try {
    return m_ui->keyDataEncryption->CheckKey();
  } catch (...) {
    ReportTrappedError("Check Data Encryption Key");
    return true;
  }
}

DialogueRunner::Script PellarWirelessEncryptedWindow::RunScript() {
  WirelessEncryptedInputs inputs = Inputs();
  return [inputs](Dialogue& dialogue) { return RunPellarWirelessEncrypted(dialogue, inputs); };
}

Message PellarWirelessEncryptedWindow::EndMessage(const RunOutcome& outcome) const {
  return PellarEndMessage(outcome, false);
}

}  // namespace dorvane
