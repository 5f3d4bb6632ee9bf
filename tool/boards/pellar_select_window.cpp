#include "boards/pellar_select_window.h"

#include <QKeyEvent>
#include <QLayout>
#include <array>

#include "base/screen_units.h"
#include "families/family_buttons.h"
#include "ui_pellar_select_window.h"
#include "widgets/apply_language.h"
#include "widgets/error_report.h"
#include "widgets/help.h"
#include "widgets/key_preview.h"
#include "widgets/programming_window.h"

namespace dorvane {

namespace {

constexpr int kRevealMoveUp = TwipsToPixels(1110);

}  // namespace

PellarSelectWindow::PellarSelectWindow(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::frmPellarSelect>()),
      m_host(host),
      m_runOptions(std::move(runOptions)) {
  m_ui->setupUi(this);
  AttachHelp(this, "pellar_select_window");
  using Opener = BoardFamily::Opener;
  for (const FamilyButton& entry :
       FamilyButtons(this, {Opener::Selection, Opener::SelectionHidden}, m_ui->cmdProgram_0)) {
    const BoardFamily& family = *entry.family;
    connect(entry.button, &QPushButton::clicked, this, [this, &family] { OnProgram(family); });
    if (family.opener == Opener::SelectionHidden) {
      entry.button->hide();
      m_hiddenButtons.append(entry.button);
    }
  }
  new KeyPreview(this, [this](const QKeyEvent& key) { return OnKeyPreview(key); });
  // The window is as high as the buttons it shows, the wireless ones
  // included once revealed: no empty band below them.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  ApplyLanguage(this);
}

PellarSelectWindow::~PellarSelectWindow() = default;

void PellarSelectWindow::OnProgram(const BoardFamily& family) {
  try {
    hide();
    family.openWindow(m_host, this, m_runOptions)->exec();
    accept();
  } catch (...) {
    ReportTrappedError(family.openLabel);
  }
}

bool PellarSelectWindow::OnKeyPreview(const QKeyEvent& key) {
  if (key.key() != kRevealKey || key.modifiers() != (Qt::ControlModifier | Qt::ShiftModifier)) return false;
  RevealWirelessButtons();
  return true;
}

void PellarSelectWindow::RevealWirelessButtons() {
  for (QPushButton* button : m_hiddenButtons) button->show();
  move(pos() - QPoint(0, kRevealMoveUp));
}

}  // namespace dorvane
