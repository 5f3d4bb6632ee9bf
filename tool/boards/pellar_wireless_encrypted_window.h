#pragma once
// frmPellarWirelessEncrypted: the wireless window for the encrypted wireless
// boards. It adds the data key (the shared key box, its controls named
// "DataEncryption") and the reverse-network settings, asks the reverse
// questions before its checks, and offers no 1200 or 2400 baud.

#include "boards/pellar_wireless_window.h"

namespace dorvane {

class PellarWirelessEncryptedWindow : public PellarWirelessWindow {
  Q_OBJECT

 public:
  explicit PellarWirelessEncryptedWindow(ProgrammingHost& host, QWidget* parent = nullptr,
                                         DialogueRunner::Options runOptions = {});

  // The wireless window's list and the reverse-network button.
  void EnableButtons(bool mode) override;

  WirelessEncryptedInputs EncryptedInputs() const;

 protected:
  // The reverse question, and the clear question after a No.
  bool BeforeChecks() override;
  // CheckDataEncryptionKey: a run needs a complete data key.
  bool AfterWirelessKeyCheck() override;
  DialogueRunner::Script RunScript() const override;
};

}  // namespace dorvane
