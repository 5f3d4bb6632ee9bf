#pragma once
// frmMonitorModeInput: the board's address and kind, and the monitor-mode
// exchange, which runs on the runner's thread while the window stays live
// with its controls disabled and its close entries removed. A completed
// exchange opens a fresh frmMonitorMode over it.

#include <QDialog>
#include <memory>

#include "dialogue/dialogue_runner.h"
#include "monitor/monitor_exchange.h"

namespace Ui {
class frmMonitorModeInput;
}

namespace dorvane {

class BusyGuard;

class MonitorModeInputWindow : public QDialog {
  Q_OBJECT

 public:
  // runOptions reach every exchange (tests give a transcript path).
  explicit MonitorModeInputWindow(QWidget* parent = nullptr, DialogueRunner::Options runOptions = {});
  ~MonitorModeInputWindow() override;

  // The address box, as the main window hands its ping box over.
  void SetAddress(const QString& address);

  // The documented EnableButtons: address, type list, Exit and Monitor Mode
  // together.
  void EnableButtons(bool mode);

  bool RunActive() const;

  // Unload; refused while an exchange is under way (ESC included).
  void done(int result) override;

 private:
  void OnMonitorMode();
  void OnRunFinished(const RunOutcome& outcome);
  void ShowResults();

  std::unique_ptr<Ui::frmMonitorModeInput> m_ui;
  DialogueRunner::Options m_runOptions;
  DialogueRunner* m_runner;
  std::unique_ptr<BusyGuard> m_busy;
  std::shared_ptr<MonitorResult> m_result;
};

// The main window's PELLAR Monitor Mode: its ping box's text, when there is
// one, into the address box; then the input window, modal over the owner.
void OpenMonitorMode(QWidget* owner, const QString& pingBoxText);

}  // namespace dorvane
