#include "boards/pellar2_window.h"

#include <QKeyEvent>

#include "base/localised_text.h"
#include "boards/pellar_run_messages.h"
#include "dialogue/dialogue_steps.h"
#include "platform/serial_ports.h"
#include "ui_pellar2_window.h"
#include "widgets/apply_language.h"
#include "widgets/error_report.h"
#include "widgets/input_boxes.h"
#include "widgets/programming_host.h"

namespace dorvane {

Pellar2Window::Pellar2Window(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions)
    : ProgrammingWindow(host, parent, std::move(runOptions)), m_ui(std::make_unique<Ui::frmPellar2>()) {
  m_ui->setupUi(this);
  Attach({m_ui->txtIPAddress, m_ui->txtGateway, m_ui->cmbSubnet, m_ui->cmbPortSpeed, m_ui->cmdProgramPellar2,
          m_ui->cmdExit, m_ui->cmdHelp, m_ui->lblInfo, m_ui->lblChipVersion, m_ui->lblRequest, m_ui->lblProgress,
          m_ui->lblDateTime});
  AddSettingsFrame(m_ui->cmdTransitRelay, m_ui->fraTransitRelay);
  // The run takes the MAC address when it starts.
  for (QLineEdit* box : MacBoxes()) LockDuringRun({box});

  for (QWidget* box : {m_ui->txtIPAddress, m_ui->txtGateway}) SelectAllOnFocus(box);
  for (QLineEdit* box : MacBoxes()) SelectAllOnFocus(box);
  ChainMacAddressBoxes(MacBoxes());

  connect(m_ui->cmbPort, &QComboBox::currentIndexChanged, this, [this] { OnPortClick(); });
  connect(m_ui->cmdProgramPellar2, &QPushButton::clicked, this, [this] { OnProgram(); });

  Load();
}

Pellar2Window::~Pellar2Window() = default;

void Pellar2Window::Load() {
  try {
    ApplyLanguage(this);
    FillLists();
    PrefillAddressFromCommandLine();
    AddEscapeHint();
  } catch (...) {
    ReportTrappedError("Program Pellar Load Form");
  }
  StartClock();
}

void Pellar2Window::FillLists() {
  FillSubnetList();

  FillPortList(PortListText, 1);
  FillPortSpeedList();
  FillEthernetList(m_ui->cmbEthernet);
}

void Pellar2Window::FillPortList(std::string (*text)(int), int fallback) {
  m_ui->cmbPort->clear();
  for (int i = 0; i < kPortListSize; ++i) m_ui->cmbPort->addItem(QString::fromStdString(text(i)));
  int index = PortIndexForHostAddress(Host().FirstAdapterAddress().toStdString());
  m_ui->cmbPort->setCurrentIndex(index >= kFirstServicePort ? index : fallback);
}

QLineEdit* Pellar2Window::MacBox(int index) const { return MacBoxes().value(index, m_ui->txtMACAddress_0); }

QList<QLineEdit*> Pellar2Window::MacBoxes() const {
  return {m_ui->txtMACAddress_0, m_ui->txtMACAddress_1, m_ui->txtMACAddress_2,
          m_ui->txtMACAddress_3, m_ui->txtMACAddress_4, m_ui->txtMACAddress_5};
}

void Pellar2Window::EnableButtons(bool mode) {
  const QList<QWidget*> controls = {m_ui->cmdExit,   m_ui->cmdProgramPellar2, m_ui->txtGateway, m_ui->txtIPAddress,
                                    m_ui->cmbSubnet, m_ui->cmbEthernet,       m_ui->cmbPort,    m_ui->cmbPortSpeed,
                                    m_ui->chk77FE,   m_ui->chkDefaultOnly};
  for (QWidget* control : controls) {
    control->setEnabled(mode);
  }
}

Pellar2Inputs Pellar2Window::Inputs() const {
  Pellar2Inputs in;
  in.server.address = BoxText(m_ui->txtIPAddress);
  in.server.gateway = BoxText(m_ui->txtGateway);
  in.server.subnetIndex = m_ui->cmbSubnet->currentIndex();
  in.link.port = m_ui->cmbPort->currentIndex();
  QList<QLineEdit*> boxes = MacBoxes();
  for (std::size_t i = 0; i < in.macBoxes.size(); ++i) in.macBoxes[i] = BoxText(boxes[static_cast<qsizetype>(i)]);
  in.baudText = m_ui->cmbPortSpeed->currentText().toStdString();
  in.ethernetIndex = m_ui->cmbEthernet->currentIndex();
  in.defaultOnly = m_ui->chkDefaultOnly->isChecked();
  in.disable77FE = m_ui->chk77FE->isChecked();
  in.vraLinkSaved = m_ui->fraTransitRelay->IsSaved();
  in.remoteAddress = m_ui->fraTransitRelay->RemoteAddress().toStdString();
  in.remotePortText = m_ui->fraTransitRelay->RemotePortText().toStdString();
  return in;
}

void Pellar2Window::OnPortClick() {
  int index = m_ui->cmbPort->currentIndex();
  bool viaArp = index == kPortViaArp;
  m_ui->lblMACAddress->setVisible(viaArp);
  for (QLineEdit* box : MacBoxes()) {
    box->setVisible(viaArp);
    box->clear();
  }
  ShowPortDevice(index);
}

void Pellar2Window::ShowPortDevice(int index) {
  bool comEntry = index > 0 && !IsNetworkPort(index);
  m_ui->lblPortDevice->setText(comEntry ? QString::fromStdString(platform::ComPortDescription(index)) : QString());
}

void Pellar2Window::ProgramClick(const std::function<void()>& handler) {
  // The unload pause keeps the window on screen for a moment.
  if (RunActive() || Unloading()) return;
  TrapRunError(handler);
}

void Pellar2Window::OnProgram() {
  ProgramClick([this] {
    EnableButtons(false);
    if (CheckAddressAndGateway()) StartPellar2Run();
  });
}

void Pellar2Window::StartPellar2Run() {
  Pellar2Inputs inputs = Inputs();
  StartBoardRun(inputs.link.port, [inputs](Dialogue& dialogue) { return RunPellar2(dialogue, inputs); });
}

void Pellar2Window::StartBoardRun(int portIndex, DialogueRunner::Script script) {
  m_runPort = portIndex;
  // The network path cannot be cancelled, so its caption drops the ESC hint.
  if (RunIsNetwork()) m_ui->lblRequest->setText(WindowText(1032));
  StartRun(std::move(script));
}

Message Pellar2Window::EndMessage(const RunOutcome& outcome) const { return PellarEndMessage(outcome, RunIsNetwork()); }

QString Pellar2Window::RunErrorLabel() const { return kPellarRunLabel; }

void Pellar2Window::AfterUnfinishedRun(const RunOutcome& outcome) {
  if (outcome.kind == RunOutcome::Kind::InputRejected) MacBox(outcome.box)->setFocus();
}

bool Pellar2Window::OnServiceKey(const QKeyEvent& key) {
  switch (key.key()) {
    case kDefaultOnlyKey: m_ui->chkDefaultOnly->show(); return true;
    case kTransitRelayKey: m_ui->cmdTransitRelay->show(); return true;
    default: return false;
  }
}

}  // namespace dorvane
