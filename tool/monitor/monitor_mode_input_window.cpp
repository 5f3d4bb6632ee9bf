#include "monitor/monitor_mode_input_window.h"

#include "base/localised_text.h"
#include "monitor/monitor_mode_window.h"
#include "ui_monitor_mode_input_window.h"
#include "widgets/apply_language.h"
#include "widgets/busy_state.h"
#include "widgets/error_report.h"
#include "widgets/help.h"
#include "widgets/input_boxes.h"
#include "widgets/message_boxes.h"

namespace dorvane {

namespace {

constexpr int kMissingAddressTextId = 1045;
constexpr int kMissingAddressTitleId = 1036;
constexpr const char* kRunErrorLabel = "Monitor Mode";

}  // namespace

MonitorModeInputWindow::MonitorModeInputWindow(QWidget* parent, DialogueRunner::Options runOptions)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::frmMonitorModeInput>()),
      m_runOptions(std::move(runOptions)),
      m_runner(new DialogueRunner(this)) {
  m_ui->setupUi(this);
  AttachHelp(this, "monitor_mode");
  connect(m_ui->cmdMonitorMode, &QPushButton::clicked, this, &MonitorModeInputWindow::OnMonitorMode);
  connect(m_ui->cmdExit, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_runner, &DialogueRunner::StatusChanged, m_ui->lblInfo, &QLabel::setText);
  connect(m_runner, &DialogueRunner::Finished, this, &MonitorModeInputWindow::OnRunFinished);
  SelectAllOnFocus(m_ui->txtIPAddress);
  try {
    ApplyLanguage(this);
    m_ui->cmbPellarType->addItem(WindowText(1128));
    m_ui->cmbPellarType->addItem(WindowText(1129));
    m_ui->cmbPellarType->setCurrentIndex(0);
  } catch (...) {
    ReportTrappedError("Monitor Mode Input Load");
  }
}

MonitorModeInputWindow::~MonitorModeInputWindow() = default;

void MonitorModeInputWindow::SetAddress(const QString& address) { m_ui->txtIPAddress->setText(address); }

void MonitorModeInputWindow::EnableButtons(bool mode) {
  for (QWidget* control :
       std::initializer_list<QWidget*>{m_ui->txtIPAddress, m_ui->cmbPellarType, m_ui->cmdExit, m_ui->cmdMonitorMode}) {
    control->setEnabled(mode);
  }
}

bool MonitorModeInputWindow::RunActive() const { return m_busy != nullptr; }

void MonitorModeInputWindow::done(int result) {
  if (RunActive()) return;
  QDialog::done(result);
}

void MonitorModeInputWindow::OnMonitorMode() {
  if (RunActive()) return;
  try {
    m_busy = std::make_unique<BusyGuard>([this](bool enabled) {
      EnableButtons(enabled);
      SetCloseBox(this, !enabled);
    });
    const std::optional<std::string> address = MonitorAddress(BoxText(m_ui->txtIPAddress));
    if (!address) {
      ShowMessage(this, BoxIcon::Information, WindowText(kMissingAddressTitleId), WindowText(kMissingAddressTextId));
      m_busy.reset();
      m_ui->txtIPAddress->setFocus();
      return;
    }
    m_ui->txtIPAddress->setText(QString::fromStdString(*address));

    const auto kind = static_cast<MonitorKind>(m_ui->cmbPellarType->currentIndex());
    const int languageOffset = LanguageOffset.load();
    m_result = std::make_shared<MonitorResult>();
    DialogueRunner::Options options = m_runOptions;
    options.languageOffset = languageOffset;
    std::shared_ptr<MonitorResult> result = m_result;
    const bool started = m_runner->Start(
        [address = *address, kind, languageOffset, result](Dialogue& dialogue) {
          return RunMonitorExchange(dialogue, address, kind, languageOffset, *result);
        },
        options);
    if (!started) m_busy.reset();
  } catch (...) {
    m_ui->lblInfo->clear();
    m_busy.reset();
    ReportTrappedError(kRunErrorLabel);
  }
}

void MonitorModeInputWindow::OnRunFinished(const RunOutcome& outcome) {
  m_ui->lblInfo->clear();
  m_busy.reset();
  switch (outcome.kind) {
    case RunOutcome::Kind::Completed: ShowResults(); break;
    case RunOutcome::Kind::RunTimeError:
      ShowErrorReport(kRunErrorLabel, outcome.errorNumber, QString::fromStdString(outcome.description));
      break;
    default:
      ShowMessage(this, BoxIcon::Critical, "Communication Failure", "Failed to communicate with Pellar device");
      break;
  }
}

void MonitorModeInputWindow::ShowResults() {
  // A window of its own for every run, unloaded when the installer closes it.
  auto* results = new MonitorModeWindow(this);
  results->setAttribute(Qt::WA_DeleteOnClose);
  results->ShowResult(*m_result);
  results->open();
}

void OpenMonitorMode(QWidget* owner, const QString& pingBoxText) {
  MonitorModeInputWindow window(owner);
  if (!pingBoxText.isEmpty()) window.SetAddress(pingBoxText);
  window.exec();
}

}  // namespace dorvane
