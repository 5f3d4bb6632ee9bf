#pragma once
// frmPellarEncrypted: the PELLAR2 window for the encrypted PELLAR6 boards.
// It adds the data key and the reverse-network settings, asks for the
// network disclaimer in its run, and offers no ARP path: its port list has
// an empty entry where the PELLAR2's ARP entry is.

#include "boards/pellar2_window.h"

namespace dorvane {

class PellarEncryptedWindow : public Pellar2Window {
  Q_OBJECT

 public:
  explicit PellarEncryptedWindow(ProgrammingHost& host, QWidget* parent = nullptr,
                                 DialogueRunner::Options runOptions = {});

  // The PELLAR2 window's list and the reverse-network button.
  void EnableButtons(bool mode) override;

  Pellar6Inputs EncryptedInputs() const;

 protected:
  Message EndMessage(const RunOutcome& outcome) const override;
  void AfterUnfinishedRun(const RunOutcome& outcome) override;
  void OnPortClick() override;
  void OnProgram() override;
};

}  // namespace dorvane
