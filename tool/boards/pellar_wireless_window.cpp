#include "boards/pellar_wireless_window.h"

#include <QKeyEvent>

#include "boards/pellar_run_messages.h"
#include "boards/wlan_settings_frame.h"
#include "platform/serial_ports.h"
#include "ui_pellar_wireless_window.h"
#include "widgets/apply_language.h"
#include "widgets/error_report.h"
#include "widgets/input_boxes.h"

namespace dorvane {

PellarWirelessWindow::PellarWirelessWindow(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions)
    : ProgrammingWindow(host, parent, std::move(runOptions)), m_ui(std::make_unique<Ui::frmPellarWireless>()) {
  m_ui->setupUi(this);
  AttachForm(*m_ui, "wireless_window");
  SetRunErrorLabel(kPellarRunLabel);
  SetServiceKeys({{kDefaultOnlyKey, m_ui->chkDefaultOnly}});
  SetEnableButtonsList({m_ui->cmdExit, m_ui->cmdProgramPellar2, m_ui->txtGateway, m_ui->txtIPAddress, m_ui->cmbSubnet});
  // The run reads these when it starts; the WLAN fields lock as one, so each
  // keeps its own enabled state for after the run.
  LockDuringRun({m_ui->cmbPort, m_ui->cmbPortSpeed, m_ui->cmbEthernet, m_ui->chkDefaultOnly, m_ui->wlanSettings});
  SetProgramChecks({[this] { return m_ui->wlanSettings->CheckKeyForRun(); }});
  ShowComPortDevice(m_ui->cmbPort, m_ui->lblPortDevice);
  Load();
}

PellarWirelessWindow::~PellarWirelessWindow() = default;

void PellarWirelessWindow::Load() {
  try {
    ApplyLanguage(this);
    setWindowTitle(WindowText(1099));
    FillComPortList(m_ui->cmbPort, kWirelessPortCount);
    FillSubnetList();
    FillPortSpeedList();
    FillEthernetList(m_ui->cmbEthernet);
    m_ui->wlanSettings->FillLists();
    PrefillAddressFromCommandLine();
    AddEscapeHint();
  } catch (...) {
    ReportTrappedError("Program Pellar Load Form");
  }
  StartClock();
}

WirelessInputs PellarWirelessWindow::Inputs() const { return WirelessFormInputs(*m_ui, ServerAddressInput()); }

DialogueRunner::Script PellarWirelessWindow::RunScript() {
  WirelessInputs inputs = Inputs();
  return [inputs](Dialogue& dialogue) { return RunPellarWireless(dialogue, inputs); };
}

Message PellarWirelessWindow::EndMessage(const RunOutcome& outcome) const { return PellarEndMessage(outcome, false); }

}  // namespace dorvane
