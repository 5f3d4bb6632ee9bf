#include "widgets/vra_link_frame.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "programming/field_checks.h"
#include "widgets/apply_language.h"
#include "widgets/error_report.h"
#include "widgets/frame_controls.h"
#include "widgets/input_boxes.h"
#include "widgets/run_display.h"

namespace dorvane {

namespace {

constexpr const char* kNoRemoteAddress = "000.000.000.000";

}  // namespace

VraLinkFrame::VraLinkFrame(QWidget* parent) : SettingsFrame("     VRA - Link Settings     ", parent) {
  auto* grid = new QGridLayout(this);
  grid->addWidget(NewLabel(this, "lblRemoteIP", " Remote IP Address to Assign", 1091), 0, 0);
  m_remoteAddress = NewEntryBox(this, "txtRemoteIPAddress", kNoRemoteAddress, 15);
  grid->addWidget(m_remoteAddress, 0, 1);
  grid->addWidget(NewLabel(this, "lblRemotePort", " Remote Port Number to Assign", 1088), 1, 0);
  m_remotePort = NewEntryBox(this, "txtRemotePort", "0", 5);
  grid->addWidget(m_remotePort, 1, 1);
  QPushButton* save = NewFrameButton(this, "cmdGlobalSave", "Save", 1085);
  QPushButton* saveDefault = NewFrameButton(this, "cmdGlobalCancel", " Save Default", 1086);
  grid->addLayout(ButtonRow({save, saveDefault}), 2, 0, 1, 2);

  SelectAllOnFocus(m_remoteAddress);
  AcceptPortNumberKeysOnly(m_remotePort);
  connect(save, &QPushButton::clicked, this, &VraLinkFrame::OnSave);
  connect(saveDefault, &QPushButton::clicked, this, &VraLinkFrame::OnSaveDefault);
}

QString VraLinkFrame::RemoteAddress() const { return m_remoteAddress->text(); }

QString VraLinkFrame::RemotePortText() const { return m_remotePort->text(); }

void VraLinkFrame::OnSave() {
  try {
    VraLinkCheck check = CheckVraLink(m_remoteAddress->text().toStdString(), m_remotePort->text().toStdString());
    m_remotePort->setText(QString::fromStdString(check.remotePort));
    if (!check.ok) {
      ShowRunMessage(window(), check.message.icon, check.message.title, check.message.text);
      if (check.field == InputField::RemoteAddress) m_remoteAddress->setFocus();
      return;
    }
    m_remoteAddress->setText(QString::fromStdString(check.remoteAddress));
    Leave(true);
  } catch (...) {
    ReportTrappedError("VRA-Link Remote IP Address");
  }
}

void VraLinkFrame::OnSaveDefault() {
  m_remoteAddress->setText(kNoRemoteAddress);
  m_remotePort->setText("0");
  Leave(false);
}

}  // namespace dorvane
