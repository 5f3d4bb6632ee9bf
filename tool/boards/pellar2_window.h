#pragma once
// frmPellar2: the installer enters a PELLAR2 board's network settings and
// starts a programming run; the run itself goes through the runner on its
// worker thread, so this window stays live (ESC, clock, Help) meanwhile.

#include <QDialog>
#include <memory>
#include <string>

#include "boards/pellar2_script.h"
#include "dialogue/dialogue_runner.h"

class QKeyEvent;
class QLineEdit;
class QTimer;

namespace Ui {
class frmPellar2;
}

namespace dorvane {

class BusyGuard;
class MainWindow;
class RunDisplay;

class Pellar2Window : public QDialog {
  Q_OBJECT

 public:
  // The service keys: one shows "Program Server Address Settings Only",
  // the other the VRA-Link button.
  static constexpr Qt::Key kDefaultOnlyKey = Qt::Key_F11;
  static constexpr Qt::Key kTransitRelayKey = Qt::Key_F12;

  // mainWindow gives the host's adapter address, takes the programmed
  // address into its ping box and is enabled again when this window goes.
  // runOptions reach every run (tests pass a fake ARP table; the default is
  // the system's).
  explicit Pellar2Window(MainWindow& mainWindow, QWidget* parent = nullptr, DialogueRunner::Options runOptions = {});
  ~Pellar2Window() override;

  // Enabled state of the entry fields and the Program and Exit buttons; the
  // MAC boxes, Help and the VRA-Link controls keep theirs.
  void EnableButtons(bool mode);

  // What a run started now would be given.
  Pellar2Inputs Inputs() const;

  // Unload: every way out of the window (Exit, the close box, the end of a
  // run) passes here.
  void done(int result) override;

 private:
  void Load();
  void FillLists();
  void OnPortClick();
  void OnProgram();
  void StartRun();
  void OnRunFinished(const RunOutcome& outcome);
  void EndWithRunTimeError(int number, const std::string& description);
  void OnTransitRelay();
  void OnGlobalSave();
  void OnGlobalCancel();
  bool OnKeyPreview(const QKeyEvent& key);
  void ShowDateTime();
  QLineEdit* MacBox(int index) const;
  QList<QLineEdit*> MacBoxes() const;

  std::unique_ptr<Ui::frmPellar2> m_ui;
  MainWindow& m_main;
  DialogueRunner::Options m_runOptions;
  DialogueRunner* m_runner;
  RunDisplay* m_display;
  QTimer* m_dateTimeTimer;
  std::unique_ptr<BusyGuard> m_busy;
  Pellar2Inputs m_runInputs;
  bool m_vraLinkSaved = false;
  bool m_unloading = false;
};

}  // namespace dorvane
