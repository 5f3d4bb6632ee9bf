#include "boards/pellar_encrypted_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "boards/pellar_run_messages.h"
#include "ui_pellar2_window.h"
#include "widgets/apply_language.h"
#include "widgets/encryption_key_box.h"
#include "widgets/error_report.h"
#include "widgets/reverse_network_frame.h"
#include "widgets/run_display.h"
#include "widgets/vra_link_frame.h"

namespace dorvane {

PellarEncryptedWindow::PellarEncryptedWindow(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions)
    : Pellar2Window(host, parent, std::move(runOptions)) {
  Ui::frmPellar2& ui = Form();
  setObjectName("frmPellarEncrypted");
  setWindowTitle(" Program PELLAR6B, PELLAR6 & PELLAR6P boards.");
  try {
    ui.keyEncryption->LineUpLabel(ui.gridFields);
    ui.keyEncryption->show();
    ui.cmdReverseNetworkPort->show();
    ui.fraReverseNetwork->FilterPortKeys();
    AddSettingsFrame(ui.cmdReverseNetworkPort, ui.fraReverseNetwork);
    // Saving one of the two settings ends the other.
    connect(ui.fraReverseNetwork, &SettingsFrame::Saved, ui.fraTransitRelay, &SettingsFrame::Forget);
    connect(ui.fraTransitRelay, &SettingsFrame::Saved, ui.fraReverseNetwork, &SettingsFrame::Forget);
    FillPortList(Pellar6PortListText, 0);
    FillPortSpeedList("9600");
  } catch (...) {
    ReportTrappedError("Program Pellar Load Form");
  }
}

void PellarEncryptedWindow::EnableButtons(bool mode) {
  Pellar2Window::EnableButtons(mode);
  Form().cmdReverseNetworkPort->setEnabled(mode);
}

Pellar6Inputs PellarEncryptedWindow::EncryptedInputs() const {
  Ui::frmPellar2& ui = Form();
  Pellar6Inputs in;
  static_cast<Pellar2Inputs&>(in) = Inputs();
  in.reverse.saved = ui.fraReverseNetwork->IsSaved();
  in.reverse.portText = ui.fraReverseNetwork->PortText().toStdString();
  in.reverse.staticLocalPort = ui.fraReverseNetwork->StaticLocalPort();
  in.dataKey.size = ui.keyEncryption->Size().value_or(KeySize::Bits128);
  in.dataKey.key = ui.keyEncryption->Key().trimmed().toStdString();
  return in;
}

void PellarEncryptedWindow::OnPortClick() {
  // No MAC boxes: the board takes no address by ARP.
  ShowPortDevice(Form().cmbPort->currentIndex());
}

void PellarEncryptedWindow::OnProgram() {
  ProgramClick([this] {
    Ui::frmPellar2& ui = Form();
    if (ui.cmbPort->currentIndex() == 0) {
      Message missing = MissingPortMessage();
      ShowRunMessage(this, missing.icon, missing.title, missing.text);
      ui.cmbPort->setFocus();
      return;
    }
    if (!ui.fraReverseNetwork->ConfirmRun()) return;
    EnableButtons(false);
    if (!CheckAddressAndGateway()) return;
    // An empty or short key would switch the board's encryption on with a
    // key nobody typed; the server-only run sends no key.
    if (!ui.chkDefaultOnly->isChecked() && !ui.keyEncryption->CheckKey()) {
      EnableButtons(true);
      return;
    }
    Pellar6Inputs inputs = EncryptedInputs();
    StartBoardRun(inputs.link.port, [inputs](Dialogue& dialogue) { return RunPellar6(dialogue, inputs); });
  });
}

Message PellarEncryptedWindow::EndMessage(const RunOutcome& outcome) const {
  return Pellar6EndMessage(outcome, RunIsNetwork());
}

void PellarEncryptedWindow::AfterUnfinishedRun(const RunOutcome& outcome) {
  if (outcome.kind != RunOutcome::Kind::InputRejected) return;
  if (outcome.field == InputField::Port) {
    Form().cmbPort->setFocus();
  } else {
    Form().keyEncryption->KeyBox()->setFocus();
  }
}

}  // namespace dorvane
