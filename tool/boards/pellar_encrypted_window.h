#pragma once
// frmPellarEncrypted: the encrypted PELLAR6 boards' window. It has the
// PELLAR2 window's settings without the ARP path (its port list has an
// empty entry where the PELLAR2's ARP entry is), and adds the data key and
// the reverse-network settings; its run asks for the network disclaimer.

#include <memory>

#include "boards/pellar_setup_script.h"
#include "widgets/programming_window.h"

namespace Ui {
class frmPellarEncrypted;
}

namespace dorvane {

class PellarEncryptedWindow : public ProgrammingWindow {
  Q_OBJECT

 public:
  // The service keys: one shows "Program Server Address Settings Only",
  // the other the VRA-Link button.
  static constexpr Qt::Key kDefaultOnlyKey = Qt::Key_F11;
  static constexpr Qt::Key kTransitRelayKey = Qt::Key_F12;

  explicit PellarEncryptedWindow(ProgrammingHost& host, QWidget* parent = nullptr,
                                 DialogueRunner::Options runOptions = {});
  ~PellarEncryptedWindow() override;

  // What a run started now would be given.
  Pellar6Inputs Inputs() const;

 protected:
  DialogueRunner::Script RunScript() override;
  Message EndMessage(const RunOutcome& outcome) const override;
  void AfterUnfinishedRun(const RunOutcome& outcome) override;

 private:
  void Load();
  bool CheckKey();

  std::unique_ptr<Ui::frmPellarEncrypted> m_ui;
  int m_runPort = 1;
};

}  // namespace dorvane
