#pragma once
// frmPellarWireless: the installer enters a wireless PELLAR board's server
// settings and its WLAN settings (the WLAN frame) and programs it over a COM
// port.

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

  // What a run started now would be given.
  WirelessInputs Inputs() const;

 protected:
  DialogueRunner::Script RunScript() override;
  Message EndMessage(const RunOutcome& outcome) const override;

 private:
  void Load();

  std::unique_ptr<Ui::frmPellarWireless> m_ui;
};

}  // namespace dorvane
