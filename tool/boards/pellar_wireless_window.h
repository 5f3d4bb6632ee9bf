#pragma once
// frmPellarWireless: the installer enters a wireless PELLAR board's server
// settings and its WLAN settings (topology, network name, channel, security
// suite with its key, transmit rate) and programs it over a COM port. The
// encrypted wireless window is this window with a few additions, on the
// same form, whose data-key box and reverse-network controls stay hidden
// here.

#include <functional>
#include <memory>

#include "boards/wireless_setup_script.h"
#include "widgets/programming_window.h"

namespace Ui {
class frmPellarWireless;
}

namespace dorvane {

class PellarWirelessWindow : public ProgrammingWindow {
  Q_OBJECT

 public:
  // The service key that shows "Program Server Address Settings Only".
  static constexpr Qt::Key kDefaultOnlyKey = Qt::Key_F11;

  explicit PellarWirelessWindow(ProgrammingHost& host, QWidget* parent = nullptr,
                                DialogueRunner::Options runOptions = {});
  ~PellarWirelessWindow() override;

  // cmdExit, cmdProgramPellar2, txtGateway, txtIPAddress and cmbSubnet.
  void EnableButtons(bool mode) override;

  // What a run started now would be given.
  WirelessInputs Inputs() const;

 protected:
  Message EndMessage(const RunOutcome& outcome) const override;
  QString RunErrorLabel() const override;
  bool OnServiceKey(const QKeyEvent& key) override;

  // The Program click's steps a derived window adds to: before every check
  // (true: go on), after the wireless key's check (true: go on), and the
  // script of the run once address and gateway passed.
  virtual bool BeforeChecks();
  virtual bool AfterWirelessKeyCheck();
  virtual DialogueRunner::Script RunScript() const;

  Ui::frmPellarWireless& Form() const { return *m_ui; }
  // The baud list from this rate up, 57600 selected.
  void FillBaudList(const char* lowest);

 private:
  void Load();
  void FillLists();
  void OnProgram();
  void SetTopology();
  void OnSecurityClick();
  void OnChangeKeyClick();
  void SetEncryptionKeyWidth();
  // CheckEncryptionKey with its boxes; false when the key is unusable.
  bool CheckEncryptionKey();
  void CheckKeyOnLeaving();
  Suite CurrentSuite() const;
  KeyChange CurrentKeyChange() const;
  bool eventFilter(QObject* watched, QEvent* event) override;

  std::unique_ptr<Ui::frmPellarWireless> m_ui;
};

}  // namespace dorvane
