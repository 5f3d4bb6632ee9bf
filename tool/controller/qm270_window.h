#pragma once
// frmQM270: the installer enters a QM270 controller's network settings and
// programs its XPort AR module over a COM port. The run goes through the
// runner on its worker thread, so the window stays live (ESC) meanwhile.
// The QM270 Rev. B window is this window with a few changes, on the same
// form, whose Rev. B controls stay hidden here.

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

  // The address fields and the Program, Exit and reverse-network buttons;
  // the port and baud lists, the key controls and the IP-only box keep
  // theirs.
  void EnableButtons(bool mode) override;

  // What a run started now would be given.
  QM270Inputs Inputs() const;

 protected:
  // What the module takes as its reverse port: up to highestPort, and
  // whether the box drops every key but a digit's.
  struct ReversePortRule {
    int highestPort;
    bool digitKeysOnly;
  };
  QM270Window(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions, ReversePortRule rule);

  Message EndMessage(const RunOutcome& outcome) const override;
  QString RunErrorLabel() const override;
  void AfterUnfinishedRun(const RunOutcome& outcome) override;
  bool OnServiceKey(const QKeyEvent& key) override;

  // The handlers a derived window changes; they are reached only once the
  // window is built, so the derived one's take effect. OnProgram runs under
  // the run's error trap, never while a run is under way.
  virtual void OnProgram();
  // After the reverse frame's Save: the key controls and the baud list
  // shown, or hidden for the IP-only run, the key emptied either way.
  virtual void OnReverseSaved();

  Ui::frmQM270& Form() const { return *m_ui; }

 private:
  void Load();
  void ShowKeyControls(bool shown);

  std::unique_ptr<Ui::frmQM270> m_ui;
};

}  // namespace dorvane
