#pragma once
// frmPellar2: the installer enters a PELLAR2 board's network settings and
// starts a programming run; the run itself goes through the runner on its
// worker thread, so this window stays live (ESC, clock, Help) meanwhile.
// The encrypted PELLAR6 window is this window with a few changes, on the
// same form, whose PELLAR6 controls stay hidden here.

#include <QList>
#include <functional>
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

  // Enabled state of the entry fields and the Program and Exit buttons; the
  // MAC boxes, Help and the VRA-Link controls keep theirs.
  void EnableButtons(bool mode) override;

  // What a run started now would be given.
  Pellar2Inputs Inputs() const;

 protected:
  Message EndMessage(const RunOutcome& outcome) const override;
  QString RunErrorLabel() const override;
  void AfterUnfinishedRun(const RunOutcome& outcome) override;
  bool OnServiceKey(const QKeyEvent& key) override;

  // The handlers a derived window changes; they are reached only once the
  // window is built, so the derived one's take effect.
  virtual void OnPortClick();
  virtual void OnProgram();

  Ui::frmPellar2& Form() const { return *m_ui; }
  // lblPortDevice: the device a COM entry reaches.
  void ShowPortDevice(int index);
  // Fills the port list with the texts for indexes 0 .. kPortListSize - 1
  // and selects the entry for the host's first adapter address, or
  // `fallback` when the address is in no service network.
  void FillPortList(std::string (*text)(int), int fallback);
  // The start of every Program click: nothing while a run is under way or
  // the window unloads; a failure inside is the run's error report.
  void ProgramClick(const std::function<void()>& handler);
  bool RunIsNetwork() const { return IsNetworkPort(m_runPort); }
  // Starts a run over the port list entry.
  void StartBoardRun(int portIndex, DialogueRunner::Script script);

 private:
  void Load();
  void FillLists();
  void StartPellar2Run();
  QLineEdit* MacBox(int index) const;
  QList<QLineEdit*> MacBoxes() const;

  std::unique_ptr<Ui::frmPellar2> m_ui;
  int m_runPort = 1;
};

}  // namespace dorvane
