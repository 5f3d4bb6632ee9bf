#include "controller/qm270_window.h"

#include <QKeyEvent>
#include <QRadioButton>

#include "base/ip_address.h"
#include "controller/qm270_run_messages.h"
#include "platform/serial_ports.h"
#include "ui_qm270_window.h"
#include "widgets/apply_language.h"
#include "widgets/encryption_key_box.h"
#include "widgets/error_report.h"
#include "widgets/input_boxes.h"
#include "widgets/reverse_network_frame.h"
#include "widgets/run_display.h"

namespace dorvane {

namespace {

constexpr int kComPorts = 16;
constexpr int kCommPortText = 1126;

}  // namespace

QM270Window::QM270Window(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions)
    // The XPort AR takes no reverse port above 9999.
    : QM270Window(host, parent, std::move(runOptions), {9999, true}) {}

QM270Window::QM270Window(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions,
                         ReversePortRule rule)
    : ProgrammingWindow(host, parent, std::move(runOptions)), m_ui(std::make_unique<Ui::frmQM270>()) {
  m_ui->setupUi(this);
  Attach({m_ui->txtIPAddress, m_ui->txtGateway, m_ui->cmbSubnet, m_ui->cmbPortSpeed, m_ui->cmdProgramPellar2,
          m_ui->cmdExit, m_ui->cmdHelp, m_ui->lblInfo, m_ui->lblChipVersion, m_ui->lblRequest, m_ui->lblProgress,
          m_ui->lblDateTime});
  m_ui->fraReverseNetwork->SetHighestPort(rule.highestPort);
  if (rule.digitKeysOnly) m_ui->fraReverseNetwork->FilterPortKeys();
  AddSettingsFrame(m_ui->cmdReverseNetworkPort, m_ui->fraReverseNetwork);
  connect(m_ui->fraReverseNetwork, &SettingsFrame::Saved, this, [this] { OnReverseSaved(); });
  // The run reads the port, the IP-only box and the key when it starts.
  LockDuringRun({m_ui->cmbPort, m_ui->cmbPortSpeed, m_ui->chkIPOnly, m_ui->keyEncryption});

  for (QWidget* box : {m_ui->txtIPAddress, m_ui->txtGateway}) SelectAllOnFocus(box);
  connect(m_ui->cmbPort, &QComboBox::currentIndexChanged, this, [this](int index) {
    m_ui->lblPortDevice->setText(QString::fromStdString(platform::ComPortDescription(index + 1)));
  });
  connect(m_ui->cmdProgramPellar2, &QPushButton::clicked, this, [this] {
    if (RunActive() || Unloading()) return;
    TrapRunError([this] { OnProgram(); });
  });

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
    m_ui->cmbPort->clear();
    for (int n = 1; n <= kComPorts; ++n) m_ui->cmbPort->addItem(WindowText(kCommPortText) + " " + QString::number(n));
    m_ui->cmbPort->setCurrentIndex(0);
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

void QM270Window::EnableButtons(bool mode) {
  for (QWidget* control : {static_cast<QWidget*>(m_ui->cmdExit), static_cast<QWidget*>(m_ui->cmdProgramPellar2),
                           static_cast<QWidget*>(m_ui->cmdReverseNetworkPort), static_cast<QWidget*>(m_ui->txtGateway),
                           static_cast<QWidget*>(m_ui->txtIPAddress), static_cast<QWidget*>(m_ui->cmbSubnet)}) {
    control->setEnabled(mode);
  }
}

QM270Inputs QM270Window::Inputs() const {
  QM270Inputs in;
  in.server.address = BoxText(m_ui->txtIPAddress);
  in.server.gateway = BoxText(m_ui->txtGateway);
  in.server.subnetIndex = m_ui->cmbSubnet->currentIndex();
  in.link.port = m_ui->cmbPort->currentIndex() + 1;
  in.baudText = m_ui->cmbPortSpeed->currentText().toStdString();
  in.ipOnly = m_ui->chkIPOnly->isChecked();
  in.reverse.saved = m_ui->fraReverseNetwork->IsSaved();
  in.reverse.portText = m_ui->fraReverseNetwork->PortText().toStdString();
  in.reverse.staticLocalPort = m_ui->fraReverseNetwork->StaticLocalPort();
  in.dataKey.size = m_ui->keyEncryption->Size().value_or(KeySize::Bits128);
  in.dataKey.key = m_ui->keyEncryption->Key().toStdString();
  return in;
}

void QM270Window::OnReverseSaved() {
  const bool keyRun = !m_ui->chkIPOnly->isChecked();
  ShowKeyControls(keyRun);
  m_ui->cmbPortSpeed->setVisible(keyRun);
  m_ui->lblCommBaudRate->setVisible(keyRun);
}

void QM270Window::OnProgram() {
  if (!m_ui->fraReverseNetwork->ConfirmRun("QM270")) {
    // The installer may have cleared the settings: no key for a run without them.
    if (!m_ui->fraReverseNetwork->IsSaved()) ShowKeyControls(false);
    return;
  }
  // A reverse run would set the module to AES with whatever key is in the
  // box; an empty or short one can never match the host's.
  if (m_ui->fraReverseNetwork->IsSaved() && !m_ui->chkIPOnly->isChecked() && !m_ui->keyEncryption->CheckKey()) {
    return;
  }
  EnableButtons(false);
  if (!CheckAddressAndGateway()) return;
  QM270Inputs inputs = Inputs();
  StartRun([inputs](Dialogue& dialogue) { return RunQM270(dialogue, inputs); });
}

Message QM270Window::EndMessage(const RunOutcome& outcome) const { return QM270EndMessage(outcome); }

QString QM270Window::RunErrorLabel() const { return kQM270RunLabel; }

void QM270Window::AfterUnfinishedRun(const RunOutcome& outcome) {
  if (outcome.kind == RunOutcome::Kind::InputRejected) m_ui->keyEncryption->KeyBox()->setFocus();
}

bool QM270Window::OnServiceKey(const QKeyEvent& key) {
  if (key.key() != kIPOnlyKey) return false;
  m_ui->chkIPOnly->show();
  return true;
}

}  // namespace dorvane
