#include "controller/qm270_xpico_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "controller/qm270_run_messages.h"
#include "ui_qm270_window.h"
#include "widgets/encryption_key_box.h"
#include "widgets/error_report.h"
#include "widgets/input_boxes.h"
#include "widgets/reverse_network_frame.h"
#include "widgets/run_display.h"

namespace dorvane {

namespace {

constexpr int kNoEncryptionOption = 3;

}  // namespace

QM270XPicoWindow::QM270XPicoWindow(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions)
    // Any character can be typed as the reverse port; the Save check refuses
    // what is not a port number.
    : QM270Window(host, parent, std::move(runOptions), {65535, false}) {
  Ui::frmQM270& ui = Form();
  setObjectName("frmQM270XPico");
  setWindowTitle(" QM270 Rev. B  Program Settings");
  try {
    // Only the mask's position is used: the module is given its host bits.
    FillSubnetList();
    FillEthernetList(ui.cmbEthernet);
    for (QWidget* control : {static_cast<QWidget*>(ui.lblEthernet), static_cast<QWidget*>(ui.cmbEthernet),
                             static_cast<QWidget*>(ui.chk77FE), static_cast<QWidget*>(ui.lblDateTime)}) {
      control->show();
    }
    ui.keyEncryption->AddNoEncryptionOption();
    ui.keyEncryption->Label()->setText(" Data Encryption Key");
    ui.keyEncryption->show();
    ui.frmJumpers->setTitle("S1.2  DIP Switch Settings");
    ui.lblJumperOn->setText("Switch ON = 57600");
    ui.lblJumperOff->setText("Switch OFF = 115200");
    ui.cmdProgramPellar2->setText("Program QM270 Rev. B");
    ui.cmdProgramPellar2->setToolTip("Start Programming PELLAR");
    ui.cmdHelp->setToolTip("PELLAR Help Information");
    ui.cmdExit->setToolTip("Exit PELLAR Programming Tool");
  } catch (...) {
    ReportTrappedError("Program QM270 Rev. B Load Form");
  }
  StartClock();
}

void QM270XPicoWindow::EnableButtons(bool mode) {
  QM270Window::EnableButtons(mode);
  Ui::frmQM270& ui = Form();
  for (QWidget* control :
       {static_cast<QWidget*>(ui.cmbEthernet), static_cast<QWidget*>(ui.chk77FE), static_cast<QWidget*>(ui.cmbPort),
        static_cast<QWidget*>(ui.cmbPortSpeed), static_cast<QWidget*>(ui.chkDefaultOnly)}) {
    control->setEnabled(mode);
  }
}

QM270XPicoInputs QM270XPicoWindow::XPicoInputs() const {
  Ui::frmQM270& ui = Form();
  QM270XPicoInputs in;
  in.server.address = BoxText(ui.txtIPAddress);
  in.server.gateway = BoxText(ui.txtGateway);
  in.server.subnetIndex = ui.cmbSubnet->currentIndex();
  in.link.port = ui.cmbPort->currentIndex() + 1;
  in.baudText = ui.cmbPortSpeed->currentText().toStdString();
  in.ethernetIndex = ui.cmbEthernet->currentIndex();
  in.disable77FE = ui.chk77FE->isChecked();
  in.defaultOnly = ui.chkDefaultOnly->isChecked();
  in.reverse.saved = ui.fraReverseNetwork->IsSaved();
  in.reverse.portText = ui.fraReverseNetwork->PortText().toStdString();
  in.reverse.staticLocalPort = ui.fraReverseNetwork->StaticLocalPort();
  if (std::optional<KeySize> size = ui.keyEncryption->Size()) {
    in.dataKey = DataKey{*size, ui.keyEncryption->Key().toStdString()};
  }
  return in;
}

void QM270XPicoWindow::OnReverseSaved() {
  Ui::frmQM270& ui = Form();
  ui.keyEncryption->SelectSize(KeySize::Bits128);
  ui.keyEncryption->Option(kNoEncryptionOption)->setEnabled(false);
}

void QM270XPicoWindow::OnProgram() {
  Ui::frmQM270& ui = Form();
  if (ui.cmbPort->currentIndex() < 0) {
    Message missing = MissingPortMessage();
    ShowRunMessage(this, missing.icon, missing.title, missing.text);
    ui.cmbPort->setFocus();
    return;
  }
  // Clearing the settings leaves the key options as they are.
  if (!ui.fraReverseNetwork->ConfirmRun(kXPicoModuleName)) return;
  // Whatever size is chosen, with or without reverse settings, the module
  // switches encryption on with the key in the box: it must be whole.
  if (!ui.keyEncryption->CheckKey()) return;
  EnableButtons(false);
  if (!CheckAddressAndGateway()) return;
  QM270XPicoInputs inputs = XPicoInputs();
  StartRun([inputs](Dialogue& dialogue) { return RunQM270XPico(dialogue, inputs); });
}

Message QM270XPicoWindow::EndMessage(const RunOutcome& outcome) const { return QM270XPicoEndMessage(outcome); }

QString QM270XPicoWindow::RunErrorLabel() const { return kQM270XPicoRunLabel; }

bool QM270XPicoWindow::OnServiceKey(const QKeyEvent& key) {
  if (key.key() != kIPOnlyKey) return false;
  Form().chkDefaultOnly->show();
  return true;
}

}  // namespace dorvane
