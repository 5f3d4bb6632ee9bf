#pragma once
// frmPellar2: the installer enters a PELLAR2 board's network settings and
// starts a programming run; the run itself goes through the runner on its
// worker thread, so this window stays live (ESC, clock, Help) meanwhile.

#include <QList>
#include <memory>

#include "boards/pellar_setup_script.h"
#include "widgets/programming_window.h"

class QLineEdit;

namespace Ui {
class frmPellar2;
}

namespace dorvane {

class Pellar2Window : public ProgrammingWindow {
  Q_OBJECT

 public:
  // The service keys: one shows "Program Server Address Settings Only",
  // the other the VRA-Link button.
  static constexpr Qt::Key kDefaultOnlyKey = Qt::Key_F11;
  static constexpr Qt::Key kTransitRelayKey = Qt::Key_F12;

  explicit Pellar2Window(ProgrammingHost& host, QWidget* parent = nullptr, DialogueRunner::Options runOptions = {});
  ~Pellar2Window() override;

  // What a run started now would be given.
  Pellar2Inputs Inputs() const;

 protected:
  DialogueRunner::Script RunScript() override;
  Message EndMessage(const RunOutcome& outcome) const override;
  void AfterUnfinishedRun(const RunOutcome& outcome) override;

 private:
  void Load();
  void OnPortClick();
  QLineEdit* MacBox(int index) const;
  QList<QLineEdit*> MacBoxes() const;

  std::unique_ptr<Ui::frmPellar2> m_ui;
  int m_runPort = 1;
};

}  // namespace dorvane
