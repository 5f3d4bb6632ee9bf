#pragma once
// frmQM270XPico: the QM270 Rev. B controller's window, whose XPico module is
// driven through its setup menu. Beside the QM270's settings it has the
// Ethernet type, the discovery port and the server-only box, offers "No
// Encryption" beside the key sizes, takes reverse ports up to 65535, and
// runs the XPico's dialogue.

#include <memory>

#include "controller/qm270_xpico_script.h"
#include "widgets/programming_window.h"

namespace Ui {
class frmQM270XPico;
}

namespace dorvane {

class QM270XPicoWindow : public ProgrammingWindow {
  Q_OBJECT

 public:
  // The service key that shows "Program Server Address Settings Only".
  static constexpr Qt::Key kIPOnlyKey = Qt::Key_F11;

  explicit QM270XPicoWindow(ProgrammingHost& host, QWidget* parent = nullptr, DialogueRunner::Options runOptions = {});
  ~QM270XPicoWindow() override;

  // What a run started now would be given.
  QM270XPicoInputs Inputs() const;

 protected:
  DialogueRunner::Script RunScript() override;
  Message EndMessage(const RunOutcome& outcome) const override;
  void AfterUnfinishedRun(const RunOutcome& outcome) override;

 private:
  void Load();
  // Reverse settings are always encrypted: "128 Bit" is chosen and "No
  // Encryption" stays out of reach while the window is open, also after the
  // settings are cleared.
  void OnReverseSaved();

  std::unique_ptr<Ui::frmQM270XPico> m_ui;
};

}  // namespace dorvane
