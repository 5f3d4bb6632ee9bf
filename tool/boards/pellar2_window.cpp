#include "boards/pellar2_window.h"

#include <QKeyEvent>

#include "boards/board_port_list.h"
#include "boards/pellar_run_messages.h"
#include "ui_pellar2_window.h"
#include "widgets/apply_language.h"
#include "widgets/error_report.h"
#include "widgets/input_boxes.h"
#include "widgets/programming_host.h"

namespace dorvane {

Pellar2Window::Pellar2Window(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions)
    : ProgrammingWindow(host, parent, std::move(runOptions)), m_ui(std::make_unique<Ui::frmPellar2>()) {
  m_ui->setupUi(this);
  AttachForm(*m_ui, "pellar2_window");
  SetRunErrorLabel(kPellarRunLabel);
  SetServiceKeys({{kDefaultOnlyKey, m_ui->chkDefaultOnly}, {kTransitRelayKey, m_ui->cmdTransitRelay}});
  // The MAC boxes, Help and the VRA-Link controls keep theirs.
  SetEnableButtonsList({m_ui->cmdExit, m_ui->cmdProgramPellar2, m_ui->txtGateway, m_ui->txtIPAddress, m_ui->cmbSubnet,
                        m_ui->cmbEthernet, m_ui->cmbPort, m_ui->cmbPortSpeed, m_ui->chk77FE, m_ui->chkDefaultOnly});
  AddSettingsFrame(m_ui->cmdTransitRelay, m_ui->fraTransitRelay);
  // The run takes the MAC address when it starts.
  for (QLineEdit* box : MacBoxes()) LockDuringRun({box});

  for (QLineEdit* box : MacBoxes()) SelectAllOnFocus(box);
  ChainMacAddressBoxes(MacBoxes());

  connect(m_ui->cmbPort, &QComboBox::currentIndexChanged, this, [this] { OnPortClick(); });

  Load();
}

Pellar2Window::~Pellar2Window() = default;

void Pellar2Window::Load() {
  try {
    ApplyLanguage(this);
    FillSubnetList();
    FillBoardPortList(m_ui->cmbPort, PortListText, 1, Host().FirstAdapterAddress());
    FillPortSpeedList();
    FillEthernetList(m_ui->cmbEthernet);
    PrefillAddressFromCommandLine();
    AddEscapeHint();
  } catch (...) {
    ReportTrappedError("Program Pellar Load Form");
  }
  StartClock();
}

QLineEdit* Pellar2Window::MacBox(int index) const { return MacBoxes().value(index, m_ui->txtMACAddress_0); }

QList<QLineEdit*> Pellar2Window::MacBoxes() const {
  return {m_ui->txtMACAddress_0, m_ui->txtMACAddress_1, m_ui->txtMACAddress_2,
          m_ui->txtMACAddress_3, m_ui->txtMACAddress_4, m_ui->txtMACAddress_5};
}

Pellar2Inputs Pellar2Window::Inputs() const {
  Pellar2Inputs in;
  in.server = ServerAddressInput();
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
  ShowBoardPortDevice(m_ui->lblPortDevice, index);
}

DialogueRunner::Script Pellar2Window::RunScript() {
  Pellar2Inputs inputs = Inputs();
  m_runPort = inputs.link.port;
  ShowRunCaption(m_ui->lblRequest, m_runPort);
  return [inputs](Dialogue& dialogue) { return RunPellar2(dialogue, inputs); };
}

Message Pellar2Window::EndMessage(const RunOutcome& outcome) const {
  return PellarEndMessage(outcome, IsNetworkPort(m_runPort));
}

void Pellar2Window::AfterUnfinishedRun(const RunOutcome& outcome) {
  if (outcome.kind == RunOutcome::Kind::InputRejected) MacBox(outcome.box)->setFocus();
}

}  // namespace dorvane
