#pragma once
// frmQM270XPico: the QM270 window for the QM270 Rev. B controller, whose
// XPico module is driven through its setup menu. It adds the Ethernet type,
// the discovery port and the server-only box, offers "No Encryption" beside
// the key sizes, takes reverse ports up to 65535, and runs the XPico's
// dialogue.

#include "controller/qm270_window.h"
#include "controller/qm270_xpico_script.h"

namespace dorvane {

class QM270XPicoWindow : public QM270Window {
  Q_OBJECT

 public:
  explicit QM270XPicoWindow(ProgrammingHost& host, QWidget* parent = nullptr, DialogueRunner::Options runOptions = {});

  // The QM270 window's list, the Ethernet list, the discovery port box, the
  // COM port and baud lists and the server-only box.
  void EnableButtons(bool mode) override;

  QM270XPicoInputs XPicoInputs() const;

 protected:
  Message EndMessage(const RunOutcome& outcome) const override;
  QString RunErrorLabel() const override;
  bool OnServiceKey(const QKeyEvent& key) override;
  void OnProgram() override;
  // Reverse settings are always encrypted: "128 Bit" is chosen and "No
  // Encryption" stays out of reach while the window is open, also after the
  // settings are cleared.
  void OnReverseSaved() override;
};

}  // namespace dorvane
