#include "controller/qm270_xpico_window.h"

#include <QKeyEvent>
#include <QRadioButton>

#include "controller/qm270_run_messages.h"
#include "controller/qm270_script.h"
#include "ui_qm270_xpico_window.h"
#include "widgets/apply_language.h"
#include "widgets/encryption_key_box.h"
#include "widgets/error_report.h"
#include "widgets/input_boxes.h"
#include "widgets/reverse_network_frame.h"

namespace dorvane {

namespace {

constexpr int kComPorts = 16;
constexpr int kNoEncryptionOption = 3;

}  // namespace

QM270XPicoWindow::QM270XPicoWindow(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions)
    : ProgrammingWindow(host, parent, std::move(runOptions)), m_ui(std::make_unique<Ui::frmQM270XPico>()) {
  m_ui->setupUi(this);
  AttachForm(*m_ui, "qm270b_window");
  SetRunErrorLabel(kQM270XPicoRunLabel);
  SetServiceKeys({{kIPOnlyKey, m_ui->chkDefaultOnly}});
  SetEnableButtonsList({m_ui->cmdExit, m_ui->cmdProgramPellar2, m_ui->cmdReverseNetworkPort, m_ui->txtGateway,
                        m_ui->txtIPAddress, m_ui->cmbSubnet, m_ui->cmbEthernet, m_ui->chk77FE, m_ui->cmbPort,
                        m_ui->cmbPortSpeed, m_ui->chkDefaultOnly});
  SetProgramChecks({
      [this] { return CheckPortChosen(m_ui->cmbPort, m_ui->cmbPort->currentIndex() >= 0); },
      // Clearing the settings leaves the key options as they are.
      [this] { return m_ui->fraReverseNetwork->ConfirmRun(kXPicoModuleName); },
      // Whatever size is chosen, with or without reverse settings, the module
      // switches encryption on with the key in the box: it must be whole.
      [this] { return m_ui->keyEncryption->CheckKey(); },
  });
  // Any character can be typed as the reverse port; the Save check refuses
  // what is not a port number.
  m_ui->fraReverseNetwork->SetHighestPort(65535);
  AddSettingsFrame(m_ui->cmdReverseNetworkPort, m_ui->fraReverseNetwork);
  connect(m_ui->fraReverseNetwork, &SettingsFrame::Saved, this, [this] { OnReverseSaved(); });
  // The run reads the port and the key when it starts.
  LockDuringRun({m_ui->cmbPort, m_ui->cmbPortSpeed, m_ui->keyEncryption});

  ShowComPortDevice(m_ui->cmbPort, m_ui->lblPortDevice);

  Load();
}

QM270XPicoWindow::~QM270XPicoWindow() = default;

void QM270XPicoWindow::Load() {
  try {
    ApplyLanguage(this);
    // Only the mask's position is used: the module is given its host bits.
    FillSubnetList();
    FillComPortList(m_ui->cmbPort, kComPorts);
    FillPortSpeedList(kQM270BaudRates.front(), kQM270DefaultBaudRate);
    FillEthernetList(m_ui->cmbEthernet);
    PrefillAddressFromCommandLine();
    AddEscapeHint();
    m_ui->keyEncryption->LineUpLabel(m_ui->gridFields);
    m_ui->keyEncryption->AddNoEncryptionOption();
    // The buttons keep their tips in every language.
    m_ui->cmdProgramPellar2->setToolTip("Start Programming PELLAR");
    m_ui->cmdHelp->setToolTip("PELLAR Help Information");
    m_ui->cmdExit->setToolTip("Exit PELLAR Programming Tool");
  } catch (...) {
    ReportTrappedError("Program QM270 Rev. B Load Form");
  }
  StartClock();
}

QM270XPicoInputs QM270XPicoWindow::Inputs() const {
  QM270XPicoInputs in;
  in.server = ServerAddressInput();
  in.link.port = m_ui->cmbPort->currentIndex() + 1;
  in.baudText = m_ui->cmbPortSpeed->currentText().toStdString();
  in.ethernetIndex = m_ui->cmbEthernet->currentIndex();
  in.disable77FE = m_ui->chk77FE->isChecked();
  in.defaultOnly = m_ui->chkDefaultOnly->isChecked();
  in.reverse = m_ui->fraReverseNetwork->Settings();
  in.dataKey = m_ui->keyEncryption->Value();
  return in;
}

void QM270XPicoWindow::OnReverseSaved() {
  m_ui->keyEncryption->SelectSize(KeySize::Bits128);
  m_ui->keyEncryption->Option(kNoEncryptionOption)->setEnabled(false);
}

DialogueRunner::Script QM270XPicoWindow::RunScript() {
  QM270XPicoInputs inputs = Inputs();
  return [inputs](Dialogue& dialogue) { return RunQM270XPico(dialogue, inputs); };
}

Message QM270XPicoWindow::EndMessage(const RunOutcome& outcome) const { return QM270XPicoEndMessage(outcome); }

void QM270XPicoWindow::AfterUnfinishedRun(const RunOutcome& outcome) {
  if (outcome.kind == RunOutcome::Kind::InputRejected) m_ui->keyEncryption->KeyBox()->setFocus();
}

}  // namespace dorvane
