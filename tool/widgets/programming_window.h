#pragma once
// What every programming window does, whatever board it programs: the
// address, gateway, subnet and baud fields with their lists and checks, the
// clock, Help, ESC, the Program click, the busy state for the life of a run,
// the display of the run and every way a run ends. A window derives from it,
// builds its form from the shared frames, hands over its controls with Attach
// and adds only what is its own: its EnableButtons list, its checks in their
// order, its inputs, its script, its end messages, its service keys.

#include <QDialog>
#include <QList>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/dialogue_runner.h"
#include "dialogue/dialogue_steps.h"
#include "programming/run_inputs.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace dorvane {

class BusyGuard;
class ProgrammingHost;
class RunDisplay;
class SettingsFrame;

class ProgrammingWindow : public QDialog {
  Q_OBJECT

 public:
  ~ProgrammingWindow() override;

  // The window's documented EnableButtons: the enabled state of the list the
  // window registered with SetEnableButtonsList.
  void EnableButtons(bool mode);

  bool RunActive() const;

  // Unload: every way out of the window (Exit, the close box, the end of a
  // run) passes here. Refused while a run is under way.
  void done(int result) override;

 protected:
  // The controls every programming window has, by their documented names.
  struct Controls {
    QLineEdit* txtIPAddress = nullptr;
    QLineEdit* txtGateway = nullptr;
    QComboBox* cmbSubnet = nullptr;
    QComboBox* cmbPortSpeed = nullptr;
    QPushButton* cmdProgram = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdHelp = nullptr;
    QLabel* lblInfo = nullptr;
    QLabel* lblChipVersion = nullptr;
    QLabel* lblRequest = nullptr;   // progress track
    QLabel* lblProgress = nullptr;  // progress fill
    QLabel* lblDateTime = nullptr;
  };

  // host gives the first adapter address, takes the programmed address into
  // its ping box and is enabled again when the window goes. runOptions reach
  // every run (tests pass a fake ARP table; the default is the system's).
  ProgrammingWindow(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions);

  // One check of the Program click: true lets the click go on. A check that
  // says no has shown its box and put the focus where the installer is to
  // look.
  using ProgramCheck = std::function<bool()>;

  // After setupUi: Exit unloads, Help opens the help, ESC reaches the run,
  // Program runs the one sequence (the checks, EnableButtons(false),
  // address and gateway, RunScript), the run's display and its end are wired
  // up, the address and gateway boxes select all on focus, and the window's
  // size follows what it shows. Help and F1 open helpPage, the family's
  // page of the help.
  void Attach(const Controls& controls, const QString& helpPage);
  // Attach with a form's controls by their documented names, which every
  // programming window's form has.
  template <typename Form>
  void AttachForm(const Form& ui, const QString& helpPage) {
    Attach({ui.txtIPAddress, ui.txtGateway, ui.cmbSubnet, ui.cmbPortSpeed, ui.cmdProgramPellar2, ui.cmdExit, ui.cmdHelp,
            ui.lblInfo, ui.lblChipVersion, ui.lblRequest, ui.lblProgress, ui.lblDateTime},
           helpPage);
  }

  // The controls EnableButtons switches, registered once.
  void SetEnableButtonsList(const QList<QWidget*>& controls);
  // The family's checks and questions, each list in the family's order:
  // beforeAddress run while the fields are usable, afterAddress once the
  // fields are out of reach and address and gateway have passed (a refusal
  // there gives the fields back).
  void SetProgramChecks(std::vector<ProgramCheck> beforeAddress, std::vector<ProgramCheck> afterAddress = {});

  // A settings frame opened by its button: opening it disables the window's
  // fields (EnableButtons), Save or Save Default gives them back. Button and
  // frame are out of reach during a run.
  void AddSettingsFrame(QPushButton* openButton, SettingsFrame* frame);

  // Controls a run reads when it starts and EnableButtons leaves alone: they
  // are disabled for the life of a run, so none looks usable while it is not.
  void LockDuringRun(const QList<QWidget*>& controls);

  // Load, in the documented order of each window.
  void FillSubnetList();
  // The baud list from the lowest rate up, with one rate selected.
  void FillPortSpeedList(std::string_view lowest = kBaudRates.front(), std::string_view selected = kDefaultBaudRate);
  // The Ethernet connection types, strings 1102 to 1106, the first selected.
  static void FillEthernetList(QComboBox* list);
  // "Comm Port 1" up to "Comm Port <count>", the first selected.
  static void FillComPortList(QComboBox* list, int count);
  // label names the device behind the list's COM entry (entry 0 is COM1).
  void ShowComPortDevice(QComboBox* list, QLabel* label);
  // The program's command line into the address box, untrimmed, unless it is
  // blank.
  void PrefillAddressFromCommandLine();
  // lblRequest's caption with " (Press ESC to Cancel)" after it.
  void AddEscapeHint();
  // lblDateTime shows the date and time now and every half second until the
  // window goes.
  void StartClock();

  // The Program button's check of address and gateway: the accepted values
  // go back into the boxes; a refusal shows its box, gives the fields back
  // (EnableButtons) and puts the focus on the field. True when both passed.
  bool CheckAddressAndGateway();
  // The address block as a run takes it: the boxes' texts and the subnet
  // list's position.
  ServerAddress ServerAddressInput() const;

  // The Program click's port check: without a chosen entry the box says so
  // and the focus goes to the list.
  bool CheckPortChosen(QComboBox* ports, bool chosen);

  // The run the Program click starts once every check has passed, with the
  // inputs as they are now; the window may set its display for it.
  virtual DialogueRunner::Script RunScript() = 0;
  // What differs between the windows at the end of a run.
  virtual Message EndMessage(const RunOutcome& outcome) const = 0;
  // After the end message of a run that did not complete (the window stays).
  virtual void AfterUnfinishedRun(const RunOutcome& outcome);
  // The procedure label of the run's error report ("Pellar Program").
  void SetRunErrorLabel(const QString& label) { m_runErrorLabel = label; }
  // The service keys: keys other than ESC the window sees before its
  // controls, each showing its hidden control.
  struct ServiceKey {
    Qt::Key key;
    QWidget* control;
  };
  void SetServiceKeys(const QList<ServiceKey>& keys) { m_serviceKeys = keys; }

  ProgrammingHost& Host() const { return m_host; }

 private:
  // Runs a handler of the run: a failure in it ends the run as a run-time
  // error does.
  void TrapRunError(const std::function<void()>& handler);
  void OnProgram();
  // Starts the script on the runner's thread; the window is busy until the
  // runner's Finished, whatever the ending.
  void StartRun(DialogueRunner::Script script);
  void SetRunMode(bool running);
  void OnRunFinished(const RunOutcome& outcome);
  void EndWithRunTimeError(int number, const std::string& description);
  void ShowDateTime();
  // A service key shows its control; true when the key was one of them.
  bool ShowServiceKeyControl(const QKeyEvent& key);

  ProgrammingHost& m_host;
  DialogueRunner::Options m_runOptions;
  DialogueRunner* m_runner;
  QTimer* m_dateTimeTimer;
  Controls m_controls;
  QString m_runErrorLabel;
  QList<ServiceKey> m_serviceKeys;
  RunDisplay* m_display = nullptr;
  QList<QWidget*> m_enableButtonsList;
  std::vector<ProgramCheck> m_checksBeforeAddress;
  std::vector<ProgramCheck> m_checksAfterAddress;
  QList<QWidget*> m_lockedDuringRun;
  std::unique_ptr<BusyGuard> m_busy;
  bool m_unloading = false;
};

}  // namespace dorvane
