#pragma once
// frmPellarSelect: the installer picks the kind of PELLAR board, and the
// matching programming window opens in its place.

#include <QDialog>
#include <QList>
#include <memory>

#include "dialogue/dialogue_runner.h"

class QKeyEvent;
class QPushButton;

namespace Ui {
class frmPellarSelect;
}

namespace dorvane {

class ProgrammingHost;
struct BoardFamily;

class PellarSelectWindow : public QDialog {
  Q_OBJECT

 public:
  // Ctrl+Shift+ this key shows the wireless buttons.
  static constexpr Qt::Key kRevealKey = Qt::Key_F12;

  // host and runOptions reach the programming window (tests pass a fake
  // ARP table; the default is the system's).
  explicit PellarSelectWindow(ProgrammingHost& host, QWidget* parent = nullptr,
                              DialogueRunner::Options runOptions = {});
  ~PellarSelectWindow() override;

 private:
  void OnProgram(const BoardFamily& family);
  bool OnKeyPreview(const QKeyEvent& key);
  void RevealWirelessButtons();

  std::unique_ptr<Ui::frmPellarSelect> m_ui;
  ProgrammingHost& m_host;
  DialogueRunner::Options m_runOptions;
  QList<QPushButton*> m_hiddenButtons;  // shown by the reveal key
};

}  // namespace dorvane
