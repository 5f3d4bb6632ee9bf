#include "boards/pellar2_window.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QTimer>
#include <array>

#include "boards/mac_address_boxes.h"
#include "boards/pellar2_checks.h"
#include "dialogue/dialogue_steps.h"
#include "platform/serial_ports.h"
#include "widgets/apply_language.h"
#include "widgets/busy_state.h"
#include "widgets/clock_text.h"
#include "widgets/close_box.h"
#include "widgets/error_report.h"
#include "base/error_report_text.h"
#include "widgets/help.h"
#include "widgets/key_preview.h"
#include "shell/main_window.h"
#include "widgets/port_number_keys.h"
#include "widgets/run_display.h"
#include "widgets/run_messages.h"
#include "base/run_time_error.h"
#include "widgets/select_all_text.h"
#include "base/shared_values.h"
#include "base/string_table.h"
#include "dialogue/wait_clock.h"
#include "ui_pellar2_window.h"

namespace dorvane {

namespace {

constexpr std::array<const char*, 7> kBaudRates = {"1200", "2400", "9600", "19200", "38400", "57600", "115200"};
constexpr int kDefaultBaudIndex = 5;  // 57600
constexpr int kFirstEthernetText = 1102;
constexpr int kEthernetTypeCount = 5;
constexpr const char* kNoRemoteAddress = "000.000.000.000";

QString Text(int id) { return QString::fromStdString(LoadText(id)); }

std::string Std(const QLineEdit* box) { return box->text().toStdString(); }

void Show(QWidget* owner, const Message& message) { ShowRunMessage(owner, message.icon, message.title, message.text); }

}  // namespace

Pellar2Window::Pellar2Window(MainWindow& mainWindow, QWidget* parent, DialogueRunner::Options runOptions)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::frmPellar2>()),
      m_main(mainWindow),
      m_runOptions(std::move(runOptions)),
      m_runner(new DialogueRunner(this)),
      m_dateTimeTimer(new QTimer(this)) {
  m_ui->setupUi(this);
  m_display =
      new RunDisplay(this, *m_runner, {m_ui->lblInfo, m_ui->lblChipVersion, m_ui->lblRequest, m_ui->lblProgress});
  m_dateTimeTimer->setObjectName("tmrDateTime");
  m_dateTimeTimer->setInterval(500);
  connect(m_dateTimeTimer, &QTimer::timeout, this, &Pellar2Window::ShowDateTime);

  for (QWidget* box : {m_ui->txtIPAddress, m_ui->txtGateway, m_ui->txtRemoteIPAddress}) SelectAllOnFocus(box);
  for (QLineEdit* box : MacBoxes()) SelectAllOnFocus(box);
  ChainMacAddressBoxes(MacBoxes());
  AcceptPortNumberKeysOnly(m_ui->txtRemotePort);
  new KeyPreview(this, [this](const QKeyEvent& key) { return OnKeyPreview(key); });

  connect(m_ui->cmbPort, &QComboBox::currentIndexChanged, this, &Pellar2Window::OnPortClick);
  connect(m_ui->cmdProgramPellar2, &QPushButton::clicked, this, &Pellar2Window::OnProgram);
  connect(m_ui->cmdExit, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_ui->cmdHelp, &QPushButton::clicked, this, [] { ShowHelp(); });
  connect(m_ui->cmdTransitRelay, &QPushButton::clicked, this, &Pellar2Window::OnTransitRelay);
  connect(m_ui->cmdGlobalSave, &QPushButton::clicked, this, &Pellar2Window::OnGlobalSave);
  connect(m_ui->cmdGlobalCancel, &QPushButton::clicked, this, &Pellar2Window::OnGlobalCancel);
  connect(m_runner, &DialogueRunner::Finished, this, &Pellar2Window::OnRunFinished);

  Load();
}

Pellar2Window::~Pellar2Window() = default;

void Pellar2Window::Load() {
  try {
    ApplyLanguage(this);
    m_vraLinkSaved = false;
    FillLists();
    QString commandLine = QString::fromStdString(CommandLineText);
    if (!commandLine.trimmed().isEmpty()) m_ui->txtIPAddress->setText(commandLine);
    m_ui->lblRequest->setText(m_ui->lblRequest->text() + " (Press ESC to Cancel)");
  } catch (const RunTimeError& error) {
    ShowErrorReport("Program Pellar Load Form", error);
  } catch (const std::exception& error) {
    ShowErrorReport("Program Pellar Load Form", 5, QString::fromUtf8(error.what()));
  }
  ShowDateTime();
  m_dateTimeTimer->start();
}

void Pellar2Window::FillLists() {
  m_ui->cmbSubnet->clear();
  for (const char* mask : kSubnetMasks) m_ui->cmbSubnet->addItem(mask);
  m_ui->cmbSubnet->setCurrentIndex(0);

  m_ui->cmbPort->clear();
  for (int i = 0; i < kPortListSize; ++i) m_ui->cmbPort->addItem(QString::fromStdString(PortListText(i)));
  m_ui->cmbPort->setCurrentIndex(PortIndexForHostAddress(m_main.CurrentIPAddress(0).toStdString()));

  m_ui->cmbPortSpeed->clear();
  for (const char* rate : kBaudRates) m_ui->cmbPortSpeed->addItem(rate);
  m_ui->cmbPortSpeed->setCurrentIndex(kDefaultBaudIndex);

  m_ui->cmbEthernet->clear();
  for (int i = 0; i < kEthernetTypeCount; ++i) m_ui->cmbEthernet->addItem(Text(kFirstEthernetText + i));
  m_ui->cmbEthernet->setCurrentIndex(0);
}

QLineEdit* Pellar2Window::MacBox(int index) const { return MacBoxes().value(index, m_ui->txtMACAddress_0); }

QList<QLineEdit*> Pellar2Window::MacBoxes() const {
  return {m_ui->txtMACAddress_0, m_ui->txtMACAddress_1, m_ui->txtMACAddress_2,
          m_ui->txtMACAddress_3, m_ui->txtMACAddress_4, m_ui->txtMACAddress_5};
}

void Pellar2Window::EnableButtons(bool mode) {
  const QList<QWidget*> controls = {m_ui->cmdExit,   m_ui->cmdProgramPellar2, m_ui->txtGateway, m_ui->txtIPAddress,
                                    m_ui->cmbSubnet, m_ui->cmbEthernet,       m_ui->cmbPort,    m_ui->cmbPortSpeed,
                                    m_ui->chk77FE,   m_ui->chkDefaultOnly};
  for (QWidget* control : controls) {
    control->setEnabled(mode);
  }
}

Pellar2Inputs Pellar2Window::Inputs() const {
  Pellar2Inputs in;
  in.deviceAddress = Std(m_ui->txtIPAddress);
  in.gateway = Std(m_ui->txtGateway);
  in.subnetIndex = m_ui->cmbSubnet->currentIndex();
  in.portIndex = m_ui->cmbPort->currentIndex();
  QList<QLineEdit*> boxes = MacBoxes();
  for (std::size_t i = 0; i < in.macBoxes.size(); ++i) in.macBoxes[i] = Std(boxes[static_cast<qsizetype>(i)]);
  in.baudText = m_ui->cmbPortSpeed->currentText().toStdString();
  in.ethernetIndex = m_ui->cmbEthernet->currentIndex();
  in.defaultOnly = m_ui->chkDefaultOnly->isChecked();
  in.disable77FE = m_ui->chk77FE->isChecked();
  in.vraLinkSaved = m_vraLinkSaved;
  in.remoteAddress = Std(m_ui->txtRemoteIPAddress);
  in.remotePortText = Std(m_ui->txtRemotePort);
  return in;
}

void Pellar2Window::OnPortClick() {
  int index = m_ui->cmbPort->currentIndex();
  bool viaArp = index == kPortViaArp;
  m_ui->lblMACAddress->setVisible(viaArp);
  for (QLineEdit* box : MacBoxes()) {
    box->setVisible(viaArp);
    box->clear();
  }
  bool comEntry = index > 0 && !IsNetworkPort(index);
  m_ui->lblPortDevice->setText(comEntry ? QString::fromStdString(platform::ComPortDescription(index)) : QString());
}

void Pellar2Window::OnProgram() {
  // The VRA-Link frame can hand the Program button back during a run, and
  // the unload pause keeps the window on screen for a moment.
  if (m_runner->IsRunning() || m_unloading) return;
  try {
    EnableButtons(false);
    FieldCheck check = CheckPellar2Fields(Std(m_ui->txtIPAddress), Std(m_ui->txtGateway));
    if (!check.address.empty()) m_ui->txtIPAddress->setText(QString::fromStdString(check.address));
    if (!check.ok) {
      Show(this, check.message);
      EnableButtons(true);
      (check.field == Pellar2Field::Gateway ? m_ui->txtGateway : m_ui->txtIPAddress)->setFocus();
      return;
    }
    m_ui->txtGateway->setText(QString::fromStdString(check.gateway));
    StartRun();
  } catch (const RunTimeError& error) {
    EndWithRunTimeError(error.Number(), error.Description());
  } catch (const std::exception& error) {
    EndWithRunTimeError(5, error.what());
  }
}

void Pellar2Window::StartRun() {
  m_runInputs = Inputs();
  // The network path cannot be cancelled, so its caption drops the ESC hint.
  if (IsNetworkPort(m_runInputs.portIndex)) m_ui->lblRequest->setText(Text(1032));
  m_busy = std::make_unique<BusyGuard>([this](bool on) {
    SetCloseBox(this, !on);
    EnableButtons(on);
  });
  auto script = [inputs = m_runInputs](Dialogue& dialogue) { return RunPellar2(dialogue, inputs); };
  DialogueRunner::Options options = m_runOptions;
  options.languageOffset = LanguageOffset.load();
  if (!m_runner->Start(script, options)) m_busy.reset();
}

void Pellar2Window::OnRunFinished(const RunOutcome& outcome) {
  m_display->End();
  if (outcome.kind == RunOutcome::Kind::RunTimeError) {
    EndWithRunTimeError(outcome.errorNumber, outcome.description);
    return;
  }
  try {
    bool completed = outcome.kind == RunOutcome::Kind::Completed;
    // The installer can ping the new module from the main window at once.
    if (completed) m_main.PingBox()->setText(m_ui->txtIPAddress->text());
    m_busy.reset();
    Show(this, Pellar2EndMessage(outcome, IsNetworkPort(m_runInputs.portIndex)));
    if (completed) {
      done(Accepted);
    } else if (outcome.kind == RunOutcome::Kind::InputRejected) {
      MacBox(outcome.errorNumber)->setFocus();
    }
  } catch (const RunTimeError& error) {
    EndWithRunTimeError(error.Number(), error.Description());
  }
}

void Pellar2Window::EndWithRunTimeError(int number, const std::string& description) {
  m_busy.reset();
  m_main.PingBox()->clear();
  ShowErrorReport(kPellar2RunLabel, number,
                  QString::fromStdString(RunErrorDescription(number, description, SystemLocaleID.load())));
  done(Rejected);
}

void Pellar2Window::OnTransitRelay() {
  m_ui->fraTransitRelay->show();
  EnableButtons(false);
}

void Pellar2Window::OnGlobalSave() {
  try {
    VraLinkCheck check = CheckVraLink(Std(m_ui->txtRemoteIPAddress), Std(m_ui->txtRemotePort));
    m_ui->txtRemotePort->setText(QString::fromStdString(check.remotePort));
    if (!check.ok) {
      Show(this, check.message);
      if (check.field == Pellar2Field::RemoteAddress) m_ui->txtRemoteIPAddress->setFocus();
      return;
    }
    m_ui->txtRemoteIPAddress->setText(QString::fromStdString(check.remoteAddress));
    m_ui->fraTransitRelay->hide();
    EnableButtons(true);
    m_vraLinkSaved = true;
  } catch (const RunTimeError& error) {
    ShowErrorReport("VRA-Link Remote IP Address", error);
  }
}

void Pellar2Window::OnGlobalCancel() {
  // The settings stay in use if they were saved before: only the fields go
  // back to their defaults.
  m_ui->txtRemoteIPAddress->setText(kNoRemoteAddress);
  m_ui->txtRemotePort->setText("0");
  m_ui->fraTransitRelay->hide();
  EnableButtons(true);
}

bool Pellar2Window::OnKeyPreview(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Escape: m_runner->PressEscape(); return true;
    case kDefaultOnlyKey: m_ui->chkDefaultOnly->show(); return true;
    case kTransitRelayKey: m_ui->cmdTransitRelay->show(); return true;
    default: return false;
  }
}

void Pellar2Window::ShowDateTime() { m_ui->lblDateTime->setText(DateTimeText(QDateTime::currentDateTime())); }

void Pellar2Window::done(int result) {
  // During a run the close box refuses already; this also holds the other
  // ways out until the run has ended.
  if (m_runner->IsRunning() || m_unloading) return;
  m_unloading = true;
  m_dateTimeTimer->stop();
  Pause(1.0);
  m_main.setEnabled(true);
  QDialog::done(result);
  m_unloading = false;
}

}  // namespace dorvane
