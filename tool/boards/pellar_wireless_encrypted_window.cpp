#include "boards/pellar_wireless_encrypted_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui_pellar_wireless_window.h"
#include "widgets/apply_language.h"
#include "widgets/encryption_key_box.h"
#include "widgets/error_report.h"
#include "widgets/reverse_network_frame.h"
#include "widgets/run_display.h"

namespace dorvane {

PellarWirelessEncryptedWindow::PellarWirelessEncryptedWindow(ProgrammingHost& host, QWidget* parent,
                                                             DialogueRunner::Options runOptions)
    : PellarWirelessWindow(host, parent, std::move(runOptions)) {
  Ui::frmPellarWireless& ui = Form();
  setObjectName("frmPellarWirelessEncrypted");
  try {
    setWindowTitle(WindowText(1101));
    ui.keyDataEncryption->Label()->setText(" " + WindowText(1071));
    ui.keyDataEncryption->show();
    LockDuringRun({ui.keyDataEncryption});
    ui.cmdReverseNetworkPort->show();
    AddSettingsFrame(ui.cmdReverseNetworkPort, ui.fraReverseNetwork);
    FillBaudList("9600");
  } catch (...) {
    ReportTrappedError("Program Pellar Load Form");
  }
}

void PellarWirelessEncryptedWindow::EnableButtons(bool mode) {
  PellarWirelessWindow::EnableButtons(mode);
  Form().cmdReverseNetworkPort->setEnabled(mode);
}

WirelessEncryptedInputs PellarWirelessEncryptedWindow::EncryptedInputs() const {
  Ui::frmPellarWireless& ui = Form();
  WirelessEncryptedInputs in;
  static_cast<WirelessInputs&>(in) = Inputs();
  in.reverse.saved = ui.fraReverseNetwork->IsSaved();
  in.reverse.portText = ui.fraReverseNetwork->PortText().toStdString();
  in.reverse.staticLocalPort = ui.fraReverseNetwork->StaticLocalPort();
  in.dataKey.size = ui.keyDataEncryption->Size().value_or(KeySize::Bits128);
  in.dataKey.key = ui.keyDataEncryption->Key().trimmed().toStdString();
  return in;
}

bool PellarWirelessEncryptedWindow::BeforeChecks() { return Form().fraReverseNetwork->ConfirmRun(); }

bool PellarWirelessEncryptedWindow::AfterWirelessKeyCheck() {
  try {
    return Form().keyDataEncryption->CheckKey();
  } catch (...) {
    ReportTrappedError("Check Data Encryption Key");
    return true;
  }
}

DialogueRunner::Script PellarWirelessEncryptedWindow::RunScript() const {
  WirelessEncryptedInputs inputs = EncryptedInputs();
  return [inputs](Dialogue& dialogue) { return RunPellarWirelessEncrypted(dialogue, inputs); };
}

}  // namespace dorvane
