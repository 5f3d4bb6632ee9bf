#include "boards/pellar_encrypted_window.h"

#include <QKeyEvent>

#include "boards/board_port_list.h"
#include "boards/pellar_run_messages.h"
#include "ui_pellar_encrypted_window.h"
#include "widgets/apply_language.h"
#include "widgets/encryption_key_box.h"
#include "widgets/error_report.h"
#include "widgets/input_boxes.h"
#include "widgets/programming_host.h"
#include "widgets/reverse_network_frame.h"
#include "widgets/vra_link_frame.h"

namespace dorvane {

PellarEncryptedWindow::PellarEncryptedWindow(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions)
    : ProgrammingWindow(host, parent, std::move(runOptions)), m_ui(std::make_unique<Ui::frmPellarEncrypted>()) {
  m_ui->setupUi(this);
  AttachForm(*m_ui, "pellar6_window");
  SetRunErrorLabel(kPellarRunLabel);
  SetServiceKeys({{kDefaultOnlyKey, m_ui->chkDefaultOnly}, {kTransitRelayKey, m_ui->cmdTransitRelay}});
  // Help, the key and the VRA-Link controls keep theirs.
  SetEnableButtonsList({m_ui->cmdExit, m_ui->cmdProgramPellar2, m_ui->txtGateway, m_ui->txtIPAddress, m_ui->cmbSubnet,
                        m_ui->cmbEthernet, m_ui->cmbPort, m_ui->cmbPortSpeed, m_ui->chk77FE, m_ui->chkDefaultOnly,
                        m_ui->cmdReverseNetworkPort});
  // The key is checked after address and gateway, with the fields already
  // out of reach.
  SetProgramChecks({[this] { return CheckPortChosen(m_ui->cmbPort, m_ui->cmbPort->currentIndex() != 0); },
                    [this] { return m_ui->fraReverseNetwork->ConfirmRun(); }},
                   {[this] { return CheckKey(); }});
  AddSettingsFrame(m_ui->cmdTransitRelay, m_ui->fraTransitRelay);
  m_ui->fraReverseNetwork->FilterPortKeys();
  AddSettingsFrame(m_ui->cmdReverseNetworkPort, m_ui->fraReverseNetwork);
  // Saving one of the two settings ends the other.
  connect(m_ui->fraReverseNetwork, &SettingsFrame::Saved, m_ui->fraTransitRelay, &SettingsFrame::Forget);
  connect(m_ui->fraTransitRelay, &SettingsFrame::Saved, m_ui->fraReverseNetwork, &SettingsFrame::Forget);

  // No MAC boxes: the board takes no address by ARP.
  connect(m_ui->cmbPort, &QComboBox::currentIndexChanged, this,
          [this](int index) { ShowBoardPortDevice(m_ui->lblPortDevice, index); });

  Load();
}

PellarEncryptedWindow::~PellarEncryptedWindow() = default;

void PellarEncryptedWindow::Load() {
  try {
    ApplyLanguage(this);
    FillSubnetList();
    FillBoardPortList(m_ui->cmbPort, Pellar6PortListText, 0, Host().FirstAdapterAddress());
    FillPortSpeedList("9600");
    FillEthernetList(m_ui->cmbEthernet);
    m_ui->keyEncryption->LineUpLabel(m_ui->gridFields);
    PrefillAddressFromCommandLine();
    AddEscapeHint();
  } catch (...) {
    ReportTrappedError("Program Pellar Load Form");
  }
  StartClock();
}

Pellar6Inputs PellarEncryptedWindow::Inputs() const {
  Pellar6Inputs in;
  in.server = ServerAddressInput();
  in.link.port = m_ui->cmbPort->currentIndex();
  in.baudText = m_ui->cmbPortSpeed->currentText().toStdString();
  in.ethernetIndex = m_ui->cmbEthernet->currentIndex();
  in.defaultOnly = m_ui->chkDefaultOnly->isChecked();
  in.disable77FE = m_ui->chk77FE->isChecked();
  in.vraLinkSaved = m_ui->fraTransitRelay->IsSaved();
  in.remoteAddress = m_ui->fraTransitRelay->RemoteAddress().toStdString();
  in.remotePortText = m_ui->fraTransitRelay->RemotePortText().toStdString();
  in.reverse = m_ui->fraReverseNetwork->Settings();
  in.dataKey = {m_ui->keyEncryption->Size().value_or(KeySize::Bits128),
                m_ui->keyEncryption->Key().trimmed().toStdString()};
  return in;
}

bool PellarEncryptedWindow::CheckKey() {
  // An empty or short key would switch the board's encryption on with a
  // key nobody typed; the server-only run sends no key.
  return m_ui->chkDefaultOnly->isChecked() || m_ui->keyEncryption->CheckKey();
}

DialogueRunner::Script PellarEncryptedWindow::RunScript() {
  Pellar6Inputs inputs = Inputs();
  m_runPort = inputs.link.port;
  ShowRunCaption(m_ui->lblRequest, m_runPort);
  return [inputs](Dialogue& dialogue) { return RunPellar6(dialogue, inputs); };
}

Message PellarEncryptedWindow::EndMessage(const RunOutcome& outcome) const {
  return Pellar6EndMessage(outcome, IsNetworkPort(m_runPort));
}

void PellarEncryptedWindow::AfterUnfinishedRun(const RunOutcome& outcome) {
  if (outcome.kind != RunOutcome::Kind::InputRejected) return;
  if (outcome.field == InputField::Port) {
    m_ui->cmbPort->setFocus();
  } else {
    m_ui->keyEncryption->KeyBox()->setFocus();
  }
}

}  // namespace dorvane
