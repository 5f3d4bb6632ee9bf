#include "widgets/reverse_network_frame.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "programming/field_checks.h"
#include "widgets/error_report.h"
#include "widgets/frame_controls.h"
#include "widgets/input_boxes.h"
#include "widgets/run_display.h"

namespace dorvane {

ReverseNetworkFrame::ReverseNetworkFrame(QWidget* parent)
    : SettingsFrame("     Reverse Network Settings     ", parent) {
  auto* grid = new QGridLayout(this);
  grid->addWidget(NewLabel(this, "lblReverseNetworkPort", " Reverse Network Port Number"), 0, 0);
  m_port = NewEntryBox(this, "txtReverseNetworkPort", "0", 5);
  grid->addWidget(m_port, 0, 1);
  m_staticLocalPort = NewOption(this, "optLocalPort_0", "Static Local Port",
                                " Local Port Number Will Match Reverse Network Port Number");
  m_dynamicLocalPort = NewOption(this, "optLocalPort_1", "Dynamic Local Port", " Port Range 50,000 - 59,999 ");
  m_dynamicLocalPort->setChecked(true);
  grid->addWidget(m_staticLocalPort, 1, 0);
  grid->addWidget(m_dynamicLocalPort, 1, 1);
  QPushButton* save = NewFrameButton(this, "cmdReverseSave", "Save", 1085);
  QPushButton* saveDefault = NewFrameButton(this, "cmdSaveDefaultReverseNetworkPort", " Save Default", 1086);
  grid->addLayout(ButtonRow({save, saveDefault}), 2, 0, 1, 2);

  SelectAllOnFocus(m_port);
  connect(save, &QPushButton::clicked, this, &ReverseNetworkFrame::OnSave);
  connect(saveDefault, &QPushButton::clicked, this, &ReverseNetworkFrame::OnSaveDefault);
}

void ReverseNetworkFrame::FilterPortKeys() { AcceptPortNumberKeysOnly(m_port); }

void ReverseNetworkFrame::Open() {
  SettingsFrame::Open();
  m_port->setFocus();
}

void ReverseNetworkFrame::Clear() {
  Forget();
  m_port->setText("0");
}

bool ReverseNetworkFrame::ConfirmRun(const std::string& device) {
  if (!IsSaved()) return true;
  auto ask = [this](const Question& question) {
    return AskInstaller(window(), QString::fromStdString(question.title), QString::fromStdString(question.text),
                        question.icon, question.buttons);
  };
  if (ask(ReverseNetworkQuestion(device)) == Question::Answer::Yes) return true;
  if (ask(ClearReverseNetworkQuestion()) == Question::Answer::Yes) Clear();
  return false;
}

QString ReverseNetworkFrame::PortText() const { return m_port->text(); }

bool ReverseNetworkFrame::StaticLocalPort() const { return m_staticLocalPort->isChecked(); }

void ReverseNetworkFrame::OnSave() {
  try {
    ReversePortCheck check = CheckReversePort(m_port->text().toStdString(), m_highestPort);
    m_port->setText(QString::fromStdString(check.port));
    if (!check.ok) {
      ShowRunMessage(window(), check.message.icon, check.message.title, check.message.text);
      m_port->setFocus();
      return;
    }
    Leave(true);
  } catch (...) {
    ReportTrappedError("Reverse Network Port Number");
  }
}

void ReverseNetworkFrame::OnSaveDefault() {
  m_port->setText("0");
  m_dynamicLocalPort->setChecked(true);
  Leave(false);
}

ReverseNetwork ReverseNetworkFrame::Settings() const {
  return {IsSaved(), PortText().toStdString(), StaticLocalPort()};
}

}  // namespace dorvane
