#include "widgets/programming_window.h"

#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "base/localised_text.h"
#include "base/program_start.h"
#include "base/run_time_error.h"
#include "dialogue/wait_clock.h"
#include "platform/clock_text.h"
#include "platform/serial_ports.h"
#include "widgets/apply_language.h"
#include "widgets/busy_state.h"
#include "widgets/error_report.h"
#include "widgets/help.h"
#include "widgets/input_boxes.h"
#include "widgets/key_preview.h"
#include "widgets/programming_host.h"
#include "widgets/run_display.h"
#include "widgets/settings_frame.h"

namespace dorvane {

namespace {

constexpr int kFirstEthernetText = 1102;
constexpr int kEthernetTypeCount = 5;
constexpr int kInvalidProcedureCall = 5;
constexpr int kCommPortText = 1126;

}  // namespace

ProgrammingWindow::ProgrammingWindow(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions)
    : QDialog(parent),
      m_host(host),
      m_runOptions(std::move(runOptions)),
      m_runner(new DialogueRunner(this)),
      m_dateTimeTimer(new QTimer(this)) {
  m_dateTimeTimer->setObjectName("tmrDateTime");
  m_dateTimeTimer->setInterval(500);
  connect(m_dateTimeTimer, &QTimer::timeout, this, &ProgrammingWindow::ShowDateTime);
  connect(m_runner, &DialogueRunner::Finished, this, &ProgrammingWindow::OnRunFinished);
  new KeyPreview(this, [this](const QKeyEvent& key) {
    if (key.key() != Qt::Key_Escape) return ShowServiceKeyControl(key);
    m_runner->PressEscape();
    return true;
  });
}

ProgrammingWindow::~ProgrammingWindow() {
  // The derived window is gone by now: a run still under way (a test that
  // ended early) must not reach it through the runner's last signals.
  m_runner->disconnect(this);
}

void ProgrammingWindow::Attach(const Controls& controls, const QString& helpPage) {
  m_controls = controls;
  m_display = new RunDisplay(this, *m_runner,
                             {controls.lblInfo, controls.lblChipVersion, controls.lblRequest, controls.lblProgress});
  connect(controls.cmdExit, &QPushButton::clicked, this, &QDialog::reject);
  AttachHelp(this, helpPage, controls.cmdHelp);
  connect(controls.cmdProgram, &QPushButton::clicked, this, &ProgrammingWindow::OnProgram);
  for (QWidget* box : {controls.txtIPAddress, controls.txtGateway}) SelectAllOnFocus(box);
  // A frame, a key box or a service key's control that shows or hides takes
  // or gives back its room: the window never keeps an empty band nor grows
  // for good.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void ProgrammingWindow::SetEnableButtonsList(const QList<QWidget*>& controls) { m_enableButtonsList = controls; }

void ProgrammingWindow::EnableButtons(bool mode) {
  for (QWidget* control : m_enableButtonsList) control->setEnabled(mode);
}

void ProgrammingWindow::SetProgramChecks(std::vector<ProgramCheck> beforeAddress,
                                         std::vector<ProgramCheck> afterAddress) {
  m_checksBeforeAddress = std::move(beforeAddress);
  m_checksAfterAddress = std::move(afterAddress);
}

void ProgrammingWindow::OnProgram() {
  // The unload pause keeps the window on screen for a moment.
  if (RunActive() || m_unloading) return;
  TrapRunError([this] {
    for (const ProgramCheck& check : m_checksBeforeAddress) {
      if (!check()) return;
    }
    EnableButtons(false);
    if (!CheckAddressAndGateway()) return;
    for (const ProgramCheck& check : m_checksAfterAddress) {
      if (!check()) {
        EnableButtons(true);
        return;
      }
    }
    StartRun(RunScript());
  });
}

void ProgrammingWindow::AddSettingsFrame(QPushButton* openButton, SettingsFrame* frame) {
  connect(openButton, &QPushButton::clicked, this, [this, frame] {
    frame->Open();
    EnableButtons(false);
  });
  connect(frame, &SettingsFrame::Closed, this, [this] { EnableButtons(true); });
  // Locked, neither can hand the fields back mid-run.
  LockDuringRun({openButton, frame});
}

void ProgrammingWindow::LockDuringRun(const QList<QWidget*>& controls) { m_lockedDuringRun += controls; }

bool ProgrammingWindow::RunActive() const { return m_runner->IsRunning(); }

void ProgrammingWindow::FillSubnetList() {
  m_controls.cmbSubnet->clear();
  for (const char* mask : kSubnetMasks) m_controls.cmbSubnet->addItem(mask);
  m_controls.cmbSubnet->setCurrentIndex(0);
}

void ProgrammingWindow::FillPortSpeedList(std::string_view lowest, std::string_view selected) {
  QComboBox* list = m_controls.cmbPortSpeed;
  list->clear();
  bool listed = false;
  for (const char* rate : kBaudRates) {
    listed = listed || rate == lowest;
    if (listed) list->addItem(rate);
  }
  list->setCurrentIndex(list->findText(QString::fromUtf8(selected.data(), static_cast<qsizetype>(selected.size()))));
}

void ProgrammingWindow::FillEthernetList(QComboBox* list) {
  list->clear();
  for (int i = 0; i < kEthernetTypeCount; ++i) list->addItem(WindowText(kFirstEthernetText + i));
  list->setCurrentIndex(0);
}

void ProgrammingWindow::FillComPortList(QComboBox* list, int count) {
  list->clear();
  for (int n = 1; n <= count; ++n) list->addItem(WindowText(kCommPortText) + " " + QString::number(n));
  list->setCurrentIndex(0);
}

void ProgrammingWindow::ShowComPortDevice(QComboBox* list, QLabel* label) {
  connect(list, &QComboBox::currentIndexChanged, this,
          [label](int index) { label->setText(QString::fromStdString(platform::ComPortDescription(index + 1))); });
}

void ProgrammingWindow::PrefillAddressFromCommandLine() {
  QString commandLine = QString::fromStdString(CommandLineText);
  if (!commandLine.trimmed().isEmpty()) m_controls.txtIPAddress->setText(commandLine);
}

void ProgrammingWindow::AddEscapeHint() {
  m_controls.lblRequest->setText(m_controls.lblRequest->text() + " (Press ESC to Cancel)");
}

void ProgrammingWindow::StartClock() {
  ShowDateTime();
  m_dateTimeTimer->start();
}

void ProgrammingWindow::ShowDateTime() { m_controls.lblDateTime->setText(DateTimeText(QDateTime::currentDateTime())); }

ServerAddress ProgrammingWindow::ServerAddressInput() const {
  return {BoxText(m_controls.txtIPAddress), BoxText(m_controls.txtGateway), m_controls.cmbSubnet->currentIndex()};
}

bool ProgrammingWindow::CheckAddressAndGateway() {
  FieldCheck check = CheckAddressFields(BoxText(m_controls.txtIPAddress), BoxText(m_controls.txtGateway));
  if (!check.address.empty()) m_controls.txtIPAddress->setText(QString::fromStdString(check.address));
  if (!check.ok) {
    ShowRunMessage(this, check.message.icon, check.message.title, check.message.text);
    EnableButtons(true);
    (check.field == InputField::Gateway ? m_controls.txtGateway : m_controls.txtIPAddress)->setFocus();
    return false;
  }
  m_controls.txtGateway->setText(QString::fromStdString(check.gateway));
  return true;
}

void ProgrammingWindow::StartRun(DialogueRunner::Script script) {
  m_busy = std::make_unique<BusyGuard>([this](bool enabled) { SetRunMode(!enabled); });
  DialogueRunner::Options options = m_runOptions;
  options.languageOffset = LanguageOffset.load();
  if (!m_runner->Start(std::move(script), options)) m_busy.reset();
}

void ProgrammingWindow::SetRunMode(bool running) {
  SetCloseBox(this, running);
  EnableButtons(!running);
  for (QWidget* control : m_lockedDuringRun) control->setEnabled(!running);
}

bool ProgrammingWindow::CheckPortChosen(QComboBox* ports, bool chosen) {
  if (chosen) return true;
  Message missing = MissingPortMessage();
  ShowRunMessage(this, missing.icon, missing.title, missing.text);
  ports->setFocus();
  return false;
}

void ProgrammingWindow::TrapRunError(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const RunTimeError& error) {
    EndWithRunTimeError(error.Number(), error.Description());
  } catch (const std::exception& error) {
    EndWithRunTimeError(kInvalidProcedureCall, error.what());
  }
}

void ProgrammingWindow::OnRunFinished(const RunOutcome& outcome) {
  m_display->End();
  if (outcome.kind == RunOutcome::Kind::RunTimeError) {
    EndWithRunTimeError(outcome.errorNumber, outcome.description);
    return;
  }
  TrapRunError([&] {
    bool completed = outcome.kind == RunOutcome::Kind::Completed;
    // The installer can ping the new module from the main window at once.
    if (completed) m_host.SetPingBoxText(m_controls.txtIPAddress->text());
    m_busy.reset();
    Message message = EndMessage(outcome);
    // A question the installer said no to ends the run without a word.
    if (!message.text.empty()) ShowRunMessage(this, message.icon, message.title, message.text);
    if (completed) {
      done(Accepted);
    } else {
      AfterUnfinishedRun(outcome);
    }
  });
}

void ProgrammingWindow::EndWithRunTimeError(int number, const std::string& description) {
  m_busy.reset();
  m_host.SetPingBoxText(QString());
  ShowErrorReport(m_runErrorLabel, number,
                  QString::fromStdString(RunErrorDescription(number, description, SystemLocaleID.load())));
  done(Rejected);
}

void ProgrammingWindow::AfterUnfinishedRun(const RunOutcome&) {}

bool ProgrammingWindow::ShowServiceKeyControl(const QKeyEvent& key) {
  for (const ServiceKey& serviceKey : m_serviceKeys) {
    if (key.key() != serviceKey.key) continue;
    serviceKey.control->show();
    return true;
  }
  return false;
}

void ProgrammingWindow::done(int result) {
  // During a run the close box refuses already; this also holds the other
  // ways out until the run has ended.
  if (RunActive() || m_unloading) return;
  m_unloading = true;
  m_dateTimeTimer->stop();
  Pause(1.0);
  m_host.EnableHostWindow();
  QDialog::done(result);
  m_unloading = false;
}

}  // namespace dorvane
