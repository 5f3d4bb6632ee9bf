#include "controller/qm270_window.h"

#include <QKeyEvent>

#include "controller/qm270_run_messages.h"
#include "ui_qm270_window.h"
#include "widgets/apply_language.h"
#include "widgets/encryption_key_box.h"
#include "widgets/error_report.h"
#include "widgets/input_boxes.h"
#include "widgets/reverse_network_frame.h"

namespace dorvane {

namespace {

constexpr int kComPorts = 16;

}  // namespace

QM270Window::QM270Window(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions)
    : ProgrammingWindow(host, parent, std::move(runOptions)), m_ui(std::make_unique<Ui::frmQM270>()) {
  m_ui->setupUi(this);
  // No clock on this window.
  Attach({m_ui->txtIPAddress, m_ui->txtGateway, m_ui->cmbSubnet, m_ui->cmbPortSpeed, m_ui->cmdProgramPellar2,
          m_ui->cmdExit, m_ui->cmdHelp, m_ui->lblInfo, m_ui->lblChipVersion, m_ui->lblRequest, m_ui->lblProgress},
         "qm270_window");
  SetRunErrorLabel(kQM270RunLabel);
  SetServiceKeys({{kIPOnlyKey, m_ui->chkIPOnly}});
  // The port and baud lists, the key controls and the IP-only box keep
  // theirs.
  SetEnableButtonsList({m_ui->cmdExit, m_ui->cmdProgramPellar2, m_ui->cmdReverseNetworkPort, m_ui->txtGateway,
                        m_ui->txtIPAddress, m_ui->cmbSubnet});
  SetProgramChecks({[this] { return ConfirmReverseRun(); }, [this] { return CheckReverseKey(); }});
  // The XPort AR takes no reverse port above 9999.
  m_ui->fraReverseNetwork->SetHighestPort(9999);
  m_ui->fraReverseNetwork->FilterPortKeys();
  AddSettingsFrame(m_ui->cmdReverseNetworkPort, m_ui->fraReverseNetwork);
  connect(m_ui->fraReverseNetwork, &SettingsFrame::Saved, this, [this] { OnReverseSaved(); });
  // The run reads the port, the IP-only box and the key when it starts.
  LockDuringRun({m_ui->cmbPort, m_ui->cmbPortSpeed, m_ui->chkIPOnly, m_ui->keyEncryption});

  ShowComPortDevice(m_ui->cmbPort, m_ui->lblPortDevice);

  Load();
}

QM270Window::~QM270Window() = default;

void QM270Window::Load() {
  try {
    ApplyLanguage(this);
    m_ui->chkIPOnly->setToolTip(
        " This will only program the IP Address, Subnet and Gateway settings.   ALL OTHER SETTINGS WILL NOT BE "
        "CHANGED. ");
    m_ui->cmbSubnet->clear();
    for (const char* mask : kQM270SubnetMasks) m_ui->cmbSubnet->addItem(mask);
    m_ui->cmbSubnet->setCurrentIndex(0);
    FillComPortList(m_ui->cmbPort, kComPorts);
    FillPortSpeedList(kQM270BaudRates.front(), kQM270DefaultBaudRate);
    PrefillAddressFromCommandLine();
    AddEscapeHint();
    m_ui->keyEncryption->LineUpLabel(m_ui->gridFields);
    m_ui->keyEncryption->Label()->setText(" QM270 Data Encryption Key");
    ShowKeyControls(false);
  } catch (...) {
    ReportTrappedError("Program QM270 Load Form");
  }
}

void QM270Window::ShowKeyControls(bool shown) {
  m_ui->keyEncryption->setVisible(shown);
  m_ui->keyEncryption->Label()->setVisible(shown);
  m_ui->keyEncryption->KeyBox()->clear();
}

QM270Inputs QM270Window::Inputs() const {
  QM270Inputs in;
  in.server = ServerAddressInput();
  in.link.port = m_ui->cmbPort->currentIndex() + 1;
  in.baudText = m_ui->cmbPortSpeed->currentText().toStdString();
  in.ipOnly = m_ui->chkIPOnly->isChecked();
  in.reverse = m_ui->fraReverseNetwork->Settings();
  in.dataKey = {m_ui->keyEncryption->Size().value_or(KeySize::Bits128), m_ui->keyEncryption->Key().toStdString()};
  return in;
}

void QM270Window::OnReverseSaved() {
  const bool keyRun = !m_ui->chkIPOnly->isChecked();
  ShowKeyControls(keyRun);
  m_ui->cmbPortSpeed->setVisible(keyRun);
  m_ui->lblCommBaudRate->setVisible(keyRun);
}

bool QM270Window::ConfirmReverseRun() {
  if (m_ui->fraReverseNetwork->ConfirmRun("QM270")) return true;
  // The installer may have cleared the settings: no key for a run without them.
  if (!m_ui->fraReverseNetwork->IsSaved()) ShowKeyControls(false);
  return false;
}

bool QM270Window::CheckReverseKey() {
  // A reverse run would set the module to AES with whatever key is in the
  // box; an empty or short one can never match the host's.
  return !m_ui->fraReverseNetwork->IsSaved() || m_ui->chkIPOnly->isChecked() || m_ui->keyEncryption->CheckKey();
}

DialogueRunner::Script QM270Window::RunScript() {
  QM270Inputs inputs = Inputs();
  return [inputs](Dialogue& dialogue) { return RunQM270(dialogue, inputs); };
}

Message QM270Window::EndMessage(const RunOutcome& outcome) const { return QM270EndMessage(outcome); }

void QM270Window::AfterUnfinishedRun(const RunOutcome& outcome) {
  if (outcome.kind == RunOutcome::Kind::InputRejected) m_ui->keyEncryption->KeyBox()->setFocus();
}

}  // namespace dorvane
