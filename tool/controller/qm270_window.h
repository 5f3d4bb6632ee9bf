#pragma once
// frmQM270: the installer enters a QM270 controller's network settings and
// programs its XPort AR module over a COM port. The run goes through the
// runner on its worker thread, so the window stays live (ESC) meanwhile.

#include <memory>

#include "controller/qm270_script.h"
#include "widgets/programming_window.h"

namespace Ui {
class frmQM270;
}

namespace dorvane {

class QM270Window : public ProgrammingWindow {
  Q_OBJECT

 public:
  // The service key that shows "Program Server Address Settings Only".
  static constexpr Qt::Key kIPOnlyKey = Qt::Key_F11;

  explicit QM270Window(ProgrammingHost& host, QWidget* parent = nullptr, DialogueRunner::Options runOptions = {});
  ~QM270Window() override;

  // What a run started now would be given.
  QM270Inputs Inputs() const;

 protected:
  DialogueRunner::Script RunScript() override;
  Message EndMessage(const RunOutcome& outcome) const override;
  void AfterUnfinishedRun(const RunOutcome& outcome) override;

 private:
  void Load();
  // After the reverse frame's Save: the key controls and the baud list
  // shown, or hidden for the IP-only run, the key emptied either way.
  void OnReverseSaved();
  void ShowKeyControls(bool shown);
  bool ConfirmReverseRun();
  bool CheckReverseKey();

  std::unique_ptr<Ui::frmQM270> m_ui;
};

}  // namespace dorvane
