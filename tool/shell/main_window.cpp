#include "shell/main_window.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <array>

#include "base/localised_text.h"
#include "base/program_start.h"
#include "boards/pellar_select_window.h"
#include "diagnostics/window_handlers.h"
#include "discovery/discovery_listing_window.h"
#include "discovery/discovery_run.h"
#include "families/family_buttons.h"
#include "monitor/monitor_mode_input_window.h"
#include "platform/clock_text.h"
#include "platform/process_start.h"
#include "platform/system.h"
#include "ui_main_window.h"
#include "widgets/apply_language.h"
#include "widgets/busy_state.h"
#include "widgets/error_report.h"
#include "widgets/help.h"
#include "widgets/input_boxes.h"
#include "widgets/message_boxes.h"
#include "widgets/programming_window.h"
#include "widgets/result_colours.h"

namespace dorvane {

namespace {

// Fixed, with no early end: the tool cannot know how many modules will answer.
constexpr double kDiscoverySeconds = 8.0;

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_ui(std::make_unique<Ui::frmMain>()) {
  m_ui->setupUi(this);
  for (QLabel* label : findChildren<QLabel*>()) {
    if (label->property("pellarValue").toBool()) InitValueLabel(label);
  }

  m_shortDatePanel = new QLabel(this);
  m_timeFormatPanel = new QLabel(this);
  m_datePanel = new QLabel(this);
  m_timePanel = new QLabel(this);
  m_ui->stbInfo->addWidget(m_shortDatePanel, 1);
  m_ui->stbInfo->addWidget(m_timeFormatPanel, 1);
  m_ui->stbInfo->addPermanentWidget(m_datePanel);
  m_ui->stbInfo->addPermanentWidget(m_timePanel);
  m_discovery = new DiscoveryRun(this);
  m_clockTimer = new QTimer(this);
  m_clockTimer->setSingleShot(true);
  connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::UpdateClockPanels);

  connect(m_ui->cmdEnglish, &QPushButton::clicked, this, [this] { SetLanguage(kEnglishOffset); });
  connect(m_ui->cmdSpanish, &QPushButton::clicked, this, [this] { SetLanguage(kSpanishOffset); });
  connect(m_ui->cmdFrench, &QPushButton::clicked, this, [this] { SetLanguage(kFrenchOffset); });
  connect(m_ui->cmdTerminal, &QPushButton::clicked, this, &MainWindow::OnTerminal);
  connect(m_ui->cmdNetworkConnections, &QPushButton::clicked, this, &MainWindow::OnNetworkConnections);
  connect(m_ui->cmdCurrentIP, &QPushButton::clicked, this, &MainWindow::OnCurrentIP);
  connect(m_ui->cmdTestAdmin, &QPushButton::clicked, this, &MainWindow::OnTestSystem);
  connect(m_ui->cmdPing, &QPushButton::clicked, this, &MainWindow::OnPing);
  connect(m_ui->cmdDiscover, &QPushButton::clicked, this, &MainWindow::OnDiscover);
  connect(m_ui->cmdMonitorMode, &QPushButton::clicked, this,
          [this] { OpenMonitorMode(this, m_ui->txtIPAddress->text()); });
  connect(m_ui->cmdProgramPellar2, &QPushButton::clicked, this, &MainWindow::OnProgramPellar);
  AttachHelp(this, "main_window", m_ui->cmdHelp);
  for (const FamilyButton& entry : FamilyButtons(this, {BoardFamily::Opener::MainWindow}, m_ui->cmdProgramPellar2)) {
    const BoardFamily& family = *entry.family;
    connect(entry.button, &QPushButton::clicked, this, [this, &family] { OnProgramFamily(family); });
    m_familyButtons.append(entry.button);
  }

  Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::Load() {
  LanguageOffset = kEnglishOffset;
  try {
    SetLanguageFromLocale(platform::SystemDefaultLocaleId());
  } catch (...) {
    // Without a locale the tool simply stays English.
  }
  try {
    ApplyLanguage(this);
    CompleteCaption();
    FillDriveList();
    FillStatusPanels();
    UpdateClockPanels();
    OnCurrentIP();
  } catch (...) {
    ReportTrappedError("Dorvane Test Form Load");
  }
}

void MainWindow::CompleteCaption() {
  QString country = QString::fromStdString(platform::LocaleText(platform::kLocaleEnglishCountry));
  setWindowTitle(windowTitle() + QString::fromStdString(VersionCaptionSuffix(country.toStdString())));
}

void MainWindow::FillStatusPanels() {
  m_shortDatePanel->setText(
      WindowText(1015) + ": " +
      QString::fromStdString(ShortDateFormatText(platform::LocaleText(platform::kLocaleShortDate))));
  m_timeFormatPanel->setText(WindowText(1016) + ": " +
                             QString::fromStdString(TimeFormatText(platform::LocaleText(platform::kLocaleTimeFormat))));
}

void MainWindow::UpdateClockPanels() {
  QDateTime now = QDateTime::currentDateTime();
  m_datePanel->setText(ShortDateText(now.date()));
  m_timePanel->setText(LongTimeText(now.time()));
  // Wake at the next full second only: the panels stay current without a
  // busy clock.
  m_clockTimer->start(1000 - now.time().msec());
}

void MainWindow::FillDriveList() {
  m_ui->drvList->clear();
  for (const std::string& drive : platform::DriveList()) m_ui->drvList->addItem(QString::fromStdString(drive));
  for (int i = 0; i < m_ui->drvList->count(); ++i) {
    if (platform::IsSystemDrive(m_ui->drvList->itemText(i).toStdString())) {
      m_ui->drvList->setCurrentIndex(i);
      break;
    }
  }
}

void MainWindow::SetLanguage(int offset) {
  LanguageOffset = offset;
  ApplyLanguage(this);
  CompleteCaption();
  FillStatusPanels();
}

void MainWindow::ButtonMode(bool enabled) {
  SetCloseBox(this, !enabled);
  for (QPushButton* button : FunctionButtons()) button->setEnabled(enabled);
}

QList<QPushButton*> MainWindow::FunctionButtons() const {
  QList<QPushButton*> buttons = {m_ui->cmdCurrentIP, m_ui->cmdPing,        m_ui->cmdProgramPellar2,
                                 m_ui->cmdTestAdmin, m_ui->cmdMonitorMode, m_ui->cmdProgramQM270,
                                 m_ui->cmdTerminal,  m_ui->cmdDiscover,    m_ui->cmdProgramQM270RevB};
  // A family the form has no button for gets one; it is switched alike.
  for (QPushButton* button : m_familyButtons) {
    if (!buttons.contains(button)) buttons.append(button);
  }
  return buttons;
}

QLineEdit* MainWindow::PingBox() const { return m_ui->txtIPAddress; }

QString MainWindow::FirstAdapterAddress() const { return CurrentIPAddress(0); }

void MainWindow::SetPingBoxText(const QString& address) { PingBox()->setText(address); }

void MainWindow::EnableHostWindow() { setEnabled(true); }

QString MainWindow::CurrentIPAddress(int adapter) const {
  const std::array<QLabel*, 3> labels = {m_ui->lblCurrentIPAddress_0, m_ui->lblCurrentIPAddress_1,
                                         m_ui->lblCurrentIPAddress_2};
  if (adapter < 0 || adapter >= static_cast<int>(labels.size())) return {};
  return labels[static_cast<std::size_t>(adapter)]->text();
}

void MainWindow::ClearPingResults() {
  m_ui->txtIPAddress->clear();
  m_ui->lblIPHostname->clear();
  for (QLabel* status :
       {m_ui->lblStatus_0, m_ui->lblStatus_1, m_ui->lblStatus_2, m_ui->lblStatus_3, m_ui->lblStatus_4}) {
    status->clear();
  }
  SetBackColour(m_ui->lblStatus_0, kWhite);
}

void MainWindow::OpenProgrammingWindow(const char* errorLabel, const std::function<void()>& show) {
  try {
    ClearPingResults();
    setEnabled(false);
    show();
    setEnabled(true);
    update();
  } catch (...) {
    setEnabled(true);
    ReportTrappedError(errorLabel);
  }
}

void MainWindow::OnProgramPellar() {
  OpenProgrammingWindow("Program PELLAR Device Click", [this] {
    PellarSelectWindow select(*this, this);
    select.exec();
  });
}

void MainWindow::OnProgramFamily(const BoardFamily& family) {
  OpenProgrammingWindow(family.openLabel, [this, &family] { family.openWindow(*this, this, {})->exec(); });
}

void MainWindow::OnDiscover() {
  {
    BusyGuard busy([this](bool enabled) { ButtonMode(enabled); });
    m_discovery->Discover(kDiscoverySeconds);
  }
  DiscoveryListingWindow listing(m_discovery->Devices(), m_discovery->Outcome(), this);
  listing.exec();
}

void MainWindow::OnCurrentIP() {
  GetCurrentIPClick(
      {m_ui->lblHostNameValue, {m_ui->lblCurrentIPAddress_0, m_ui->lblCurrentIPAddress_1, m_ui->lblCurrentIPAddress_2}},
      [this](bool enabled) { ButtonMode(enabled); });
}

void MainWindow::OnTestSystem() {
  TestSystemClick(this,
                  {m_ui->lblAdminStatus, m_ui->lblDHCPValue, m_ui->lblScreenValue, m_ui->lblWindowsValue,
                   m_ui->lblVersionValue, m_ui->drvList, m_ui->lblDriveSpaceValue},
                  [this](bool enabled) { ButtonMode(enabled); });
}

void MainWindow::OnPing() {
  PingClick(this,
            {m_ui->txtIPAddress,
             m_ui->lblIPHostname,
             {m_ui->lblStatus_0, m_ui->lblStatus_1, m_ui->lblStatus_2, m_ui->lblStatus_3, m_ui->lblStatus_4}},
            [this](bool enabled) { ButtonMode(enabled); });
}

void MainWindow::OnTerminal() {
  // The documented place under "ProgramFiles" first; then beside the tool's
  // own binary, where an install puts the two programs together.
  QStringList candidates;
  QByteArray programFiles = qgetenv("ProgramFiles");
  if (!programFiles.isEmpty()) {
    candidates << QString::fromStdString(TerminalProgramPath(QString::fromLocal8Bit(programFiles).toStdString()));
  }
  QString beside = QStandardPaths::findExecutable("DorvaneHyperTerminal", {QCoreApplication::applicationDirPath()});
  if (!beside.isEmpty()) candidates << beside;
  for (const QString& path : candidates) {
    try {
      if (platform::StartProgram(path.toStdString())) return;
    } catch (...) {
    }
  }
  ShowMessage(this, BoxIcon::Critical, "Missing Program", "Dorvane Hyper Terminal Program Not Found");
}

void MainWindow::OnNetworkConnections() {
  std::string whyNot;
  if (!platform::OpenNetworkConnections(whyNot) && !whyNot.empty()) {
    ShowMessage(this, BoxIcon::Information, m_ui->cmdNetworkConnections->text(), QString::fromStdString(whyNot));
  }
}

}  // namespace dorvane
