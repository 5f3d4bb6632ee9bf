#pragma once
// frmPellarWirelessEncrypted: the encrypted wireless boards' window. Beside
// the wireless window's server and WLAN settings it has the data key (the
// shared key box, its controls named "DataEncryption") and the
// reverse-network settings, asks the reverse questions before its checks,
// and offers no 1200 or 2400 baud.

#include <memory>

#include "boards/wireless_setup_script.h"
#include "widgets/programming_window.h"

namespace Ui {
class frmPellarWirelessEncrypted;
}

namespace dorvane {

class PellarWirelessEncryptedWindow : public ProgrammingWindow {
  Q_OBJECT

 public:
  // The service key that shows "Program Server Address Settings Only".
  static constexpr Qt::Key kDefaultOnlyKey = Qt::Key_F11;

  explicit PellarWirelessEncryptedWindow(ProgrammingHost& host, QWidget* parent = nullptr,
                                         DialogueRunner::Options runOptions = {});
  ~PellarWirelessEncryptedWindow() override;

  // What a run started now would be given.
  WirelessEncryptedInputs Inputs() const;

 protected:
  DialogueRunner::Script RunScript() override;
  Message EndMessage(const RunOutcome& outcome) const override;

 private:
  void Load();
  // CheckDataEncryptionKey: a run needs a complete data key.
  bool CheckDataKey();

  std::unique_ptr<Ui::frmPellarWirelessEncrypted> m_ui;
};

}  // namespace dorvane
