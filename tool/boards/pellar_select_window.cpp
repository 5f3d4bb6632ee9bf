#include "boards/pellar_select_window.h"

#include <QKeyEvent>
#include <QLayout>
#include <array>

#include "base/screen_units.h"
#include "boards/pellar2_window.h"
#include "boards/pellar_encrypted_window.h"
#include "boards/pellar_wireless_encrypted_window.h"
#include "boards/pellar_wireless_window.h"
#include "ui_pellar_select_window.h"
#include "widgets/apply_language.h"
#include "widgets/error_report.h"
#include "widgets/key_preview.h"

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
  for (int i = 0; i < 4; ++i) {
    connect(ProgramButton(i), &QPushButton::clicked, this, [this, i] { OnProgram(i); });
  }
  new KeyPreview(this, [this](const QKeyEvent& key) { return OnKeyPreview(key); });
  // The window is as high as the buttons it shows, the wireless ones
  // included once revealed: no empty band below them.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  ApplyLanguage(this);
}

PellarSelectWindow::~PellarSelectWindow() = default;

QPushButton* PellarSelectWindow::ProgramButton(int index) const {
  const std::array<QPushButton*, 4> buttons = {m_ui->cmdProgram_0, m_ui->cmdProgram_1, m_ui->cmdProgram_2,
                                               m_ui->cmdProgram_3};
  return buttons[static_cast<std::size_t>(index)];
}

void PellarSelectWindow::OnProgram(int index) {
  try {
    hide();
    {
      std::unique_ptr<ProgrammingWindow> window;
      switch (index) {
        case 0: window = std::make_unique<Pellar2Window>(m_host, this, m_runOptions); break;
        case 1: window = std::make_unique<PellarEncryptedWindow>(m_host, this, m_runOptions); break;
        case 2: window = std::make_unique<PellarWirelessWindow>(m_host, this, m_runOptions); break;
        default: window = std::make_unique<PellarWirelessEncryptedWindow>(m_host, this, m_runOptions); break;
      }
      window->exec();
    }
    accept();
  } catch (...) {
    ReportTrappedError("Program PELLAR Selection Click");
  }
}

bool PellarSelectWindow::OnKeyPreview(const QKeyEvent& key) {
  if (key.key() != kRevealKey || key.modifiers() != (Qt::ControlModifier | Qt::ShiftModifier)) return false;
  RevealWirelessButtons();
  return true;
}

void PellarSelectWindow::RevealWirelessButtons() {
  m_ui->cmdProgram_2->show();
  m_ui->cmdProgram_3->show();
  move(pos() - QPoint(0, kRevealMoveUp));
}

}  // namespace dorvane
