#include "boards/pellar_wireless_window.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QTimer>

#include "base/localised_text.h"
#include "boards/pellar_run_messages.h"
#include "platform/serial_ports.h"
#include "ui_pellar_wireless_window.h"
#include "widgets/apply_language.h"
#include "widgets/encryption_key_box.h"
#include "widgets/error_report.h"
#include "widgets/input_boxes.h"
#include "widgets/run_display.h"

namespace dorvane {

namespace {

constexpr int kChannelCount = 11;
constexpr int kAutoFallback = 1;
constexpr int kElevenMbps = 3;

void FillTexts(QComboBox* list, const std::vector<std::string>& texts) {
  list->clear();
  for (const std::string& text : texts) list->addItem(QString::fromStdString(text));
}

void EnableWithLabel(QWidget* control, QWidget* label, bool enabled) {
  control->setEnabled(enabled);
  label->setEnabled(enabled);
}

}  // namespace

PellarWirelessWindow::PellarWirelessWindow(ProgrammingHost& host, QWidget* parent, DialogueRunner::Options runOptions)
    : ProgrammingWindow(host, parent, std::move(runOptions)), m_ui(std::make_unique<Ui::frmPellarWireless>()) {
  m_ui->setupUi(this);
  Attach({m_ui->txtIPAddress, m_ui->txtGateway, m_ui->cmbSubnet, m_ui->cmbPortSpeed, m_ui->cmdProgramPellar2,
          m_ui->cmdExit, m_ui->cmdHelp, m_ui->lblInfo, m_ui->lblChipVersion, m_ui->lblRequest, m_ui->lblProgress,
          m_ui->lblDateTime});
  // The run reads these when it starts; the WLAN fields lock as one, so each
  // keeps its own enabled state for after the run.
  LockDuringRun({m_ui->cmbPort, m_ui->cmbPortSpeed, m_ui->cmbEthernet, m_ui->chkDefaultOnly, m_ui->wlanSettings});

  // The wireless key is txtEncryptionKey here, so the data key box (shown
  // by the encrypted window only) takes the other names.
  m_ui->keyDataEncryption->SetNameStem("DataEncryption");
  for (QWidget* box : {m_ui->txtIPAddress, m_ui->txtGateway}) SelectAllOnFocus(box);
  m_ui->txtEncryptionKey->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // The longest key shows whole, so the installer can read back every digit.
  m_ui->txtEncryptionKey->setMinimumWidth(m_ui->txtEncryptionKey->fontMetrics().horizontalAdvance(QString(66, '0')));
  AcceptHexKeysOnlyWhile(m_ui->txtEncryptionKey, [this] { return CurrentKeyChange() == KeyChange::Hexadecimal; });
  m_ui->txtEncryptionKey->installEventFilter(this);
  m_ui->cmbEncryption->installEventFilter(this);

  connect(m_ui->cmbPort, &QComboBox::currentIndexChanged, this, [this](int index) {
    m_ui->lblPortDevice->setText(QString::fromStdString(platform::ComPortDescription(index + 1)));
  });
  connect(m_ui->cmbTopology, &QComboBox::activated, this, [this] { SetTopology(); });
  connect(m_ui->cmbSecurity, &QComboBox::activated, this, [this] { OnSecurityClick(); });
  connect(m_ui->cmbEncryption, &QComboBox::activated, this, [this] { SetEncryptionKeyWidth(); });
  connect(m_ui->cmbChangeKey, &QComboBox::activated, this, [this] { OnChangeKeyClick(); });
  connect(m_ui->cmdProgramPellar2, &QPushButton::clicked, this, [this] { OnProgram(); });

  Load();
}

PellarWirelessWindow::~PellarWirelessWindow() = default;

void PellarWirelessWindow::Load() {
  try {
    ApplyLanguage(this);
    setWindowTitle(WindowText(1099));
    FillLists();
    PrefillAddressFromCommandLine();
    AddEscapeHint();
    m_ui->txtEncryptionKey->clear();
  } catch (...) {
    ReportTrappedError("Program Pellar Load Form");
  }
  StartClock();
}

void PellarWirelessWindow::FillLists() {
  FillSubnetList();
  m_ui->cmbPort->clear();
  for (int i = 1; i <= kWirelessPortCount; ++i) m_ui->cmbPort->addItem(WindowText(1126) + " " + QString::number(i));
  m_ui->cmbPort->setCurrentIndex(0);
  FillBaudList(kBaudRates.front());
  FillEthernetList(m_ui->cmbEthernet);
  FillTexts(m_ui->cmbTopology, {LoadText(1050), LoadText(1051)});
  m_ui->cmbNetworkChannel->clear();
  for (int i = 1; i <= kChannelCount; ++i) m_ui->cmbNetworkChannel->addItem(QString::number(i));
  m_ui->cmbNetworkChannel->setCurrentIndex(0);
  FillTexts(m_ui->cmbAuthentication, {LoadText(1068), LoadText(1069)});
  m_ui->cmbAuthentication->setCurrentIndex(0);
  FillTexts(m_ui->cmbChangeKey, {LoadText(1107), LoadText(1108), LoadText(1065)});
  m_ui->cmbChangeKey->setCurrentIndex(static_cast<int>(KeyChange::No));
  m_ui->txtEncryptionKey->setMaxLength(64);
  m_ui->cmbTXKeyIndex->clear();
  for (const char* index : {"1", "2", "3", "4"}) m_ui->cmbTXKeyIndex->addItem(index);
  FillTexts(m_ui->cmbTXDataRateFixed, {LoadText(1109), LoadText(1110)});
  m_ui->cmbTXDataRateFixed->setCurrentIndex(kAutoFallback);
  m_ui->cmbTXDataRate->clear();
  for (const char* rate : {"1 Mbps", "2 Mbps", "5.5 Mbps", "11 Mbps", "18 Mbps", "24 Mbps", "36 Mbps", "54 Mbps"}) {
    m_ui->cmbTXDataRate->addItem(rate);
  }
  m_ui->cmbTXDataRate->setCurrentIndex(kElevenMbps);
  m_ui->cmbTopology->setCurrentIndex(static_cast<int>(Topology::Infrastructure));
  SetTopology();
}

void PellarWirelessWindow::FillBaudList(const char* lowest) { FillPortSpeedList(lowest); }

Suite PellarWirelessWindow::CurrentSuite() const { return static_cast<Suite>(m_ui->cmbSecurity->currentIndex()); }

KeyChange PellarWirelessWindow::CurrentKeyChange() const {
  return static_cast<KeyChange>(m_ui->cmbChangeKey->currentIndex());
}

void PellarWirelessWindow::SetTopology() {
  try {
    const auto topology = static_cast<Topology>(m_ui->cmbTopology->currentIndex());
    FillTexts(m_ui->cmbSecurity, SuiteTexts(topology));
    const bool adhoc = topology == Topology::Adhoc;
    EnableWithLabel(m_ui->cmbNetworkChannel, m_ui->lblNetworkChannel, adhoc);
    if (adhoc) m_ui->cmbNetworkChannel->setCurrentIndex(0);
    m_ui->cmbSecurity->setCurrentIndex(static_cast<int>(Suite::None));
    OnSecurityClick();
  } catch (...) {
    ReportTrappedError("Set Topology");
  }
}

void PellarWirelessWindow::OnSecurityClick() {
  try {
    const Suite suite = CurrentSuite();
    const bool none = suite == Suite::None;
    const bool wep = suite == Suite::WEP;
    m_ui->fraSecurity->setEnabled(!none);
    FillTexts(m_ui->cmbEncryption, EncryptionTexts(suite));
    if (!none) {
      m_ui->cmbEncryption->setCurrentIndex(0);
      m_ui->cmbChangeKey->setCurrentIndex(0);
    }
    if (wep) {
      m_ui->cmbAuthentication->setCurrentIndex(0);
      m_ui->cmbTXKeyIndex->setCurrentIndex(0);
    }
    EnableWithLabel(m_ui->cmbEncryption, m_ui->lblEncryption, !none);
    EnableWithLabel(m_ui->cmbChangeKey, m_ui->lblChangeKey, !none);
    EnableWithLabel(m_ui->cmbAuthentication, m_ui->lblAuthentication, wep);
    EnableWithLabel(m_ui->cmbTXKeyIndex, m_ui->lblTXKeyIndex, wep);
    EnableWithLabel(m_ui->txtEncryptionKey, m_ui->lblEncryptionKey, !none);
    SetEncryptionKeyWidth();
  } catch (...) {
    ReportTrappedError("Security");
  }
}

void PellarWirelessWindow::OnChangeKeyClick() {
  m_ui->txtEncryptionKey->clear();
  EnableWithLabel(m_ui->txtEncryptionKey, m_ui->lblEncryptionKey, CurrentKeyChange() != KeyChange::No);
  SetEncryptionKeyWidth();
}

void PellarWirelessWindow::SetEncryptionKeyWidth() {
  try {
    std::optional<KeyWidth> width =
        dorvane::EncryptionKeyWidth(CurrentSuite(), m_ui->cmbEncryption->currentIndex(), CurrentKeyChange());
    if (!width) return;
    m_ui->txtEncryptionKey->setMaxLength(width->maxLength);
    m_ui->txtEncryptionKey->setToolTip(QString::fromStdString(width->toolTip));
  } catch (...) {
    ReportTrappedError("Set Encryption Key Width");
  }
}

bool PellarWirelessWindow::CheckEncryptionKey() {
  try {
    WirelessKeyCheck check = dorvane::CheckEncryptionKey(CurrentSuite(), m_ui->cmbEncryption->currentIndex(),
                                                         CurrentKeyChange(), BoxText(m_ui->txtEncryptionKey));
    if (check.key != BoxText(m_ui->txtEncryptionKey))
      m_ui->txtEncryptionKey->setText(QString::fromStdString(check.key));
    if (check.message) ShowRunMessage(this, check.message->icon, check.message->title, check.message->text);
    if (!check.usable) m_ui->txtEncryptionKey->setFocus();
    return check.usable;
  } catch (...) {
    ReportTrappedError("Check Encryption Key");
    return true;
  }
}

bool PellarWirelessWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // Only a focus the installer moved: a message box taking the focus is no
    // leaving of the box.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      QTimer::singleShot(0, this, &PellarWirelessWindow::CheckKeyOnLeaving);
    }
  }
  return ProgrammingWindow::eventFilter(watched, event);
}

void PellarWirelessWindow::CheckKeyOnLeaving() {
  if (m_ui->txtEncryptionKey->hasFocus() || m_ui->txtEncryptionKey->text().trimmed().isEmpty()) return;
  CheckEncryptionKey();
}

void PellarWirelessWindow::EnableButtons(bool mode) {
  for (QWidget* control :
       QList<QWidget*>{m_ui->cmdExit, m_ui->cmdProgramPellar2, m_ui->txtGateway, m_ui->txtIPAddress, m_ui->cmbSubnet}) {
    control->setEnabled(mode);
  }
}

WirelessInputs PellarWirelessWindow::Inputs() const {
  WirelessInputs in;
  in.server.address = BoxText(m_ui->txtIPAddress);
  in.server.gateway = BoxText(m_ui->txtGateway);
  in.server.subnetIndex = m_ui->cmbSubnet->currentIndex();
  in.link.port = m_ui->cmbPort->currentIndex() + 1;
  in.baudText = m_ui->cmbPortSpeed->currentText().toStdString();
  in.ethernetIndex = m_ui->cmbEthernet->currentIndex();
  in.defaultOnly = m_ui->chkDefaultOnly->isChecked();
  WlanSettings& wlan = in.wlan;
  wlan.topology = static_cast<Topology>(m_ui->cmbTopology->currentIndex());
  wlan.networkName = BoxText(m_ui->txtNetworkName);
  wlan.channelText = m_ui->cmbNetworkChannel->currentText().toStdString();
  wlan.suite = CurrentSuite();
  wlan.authenticationIndex = m_ui->cmbAuthentication->currentIndex();
  wlan.encryptionIndex = m_ui->cmbEncryption->currentIndex();
  wlan.keyChange = CurrentKeyChange();
  wlan.key = BoxText(m_ui->txtEncryptionKey);
  wlan.txKeyIndexText = m_ui->cmbTXKeyIndex->currentText().toStdString();
  wlan.txRateModeIndex = m_ui->cmbTXDataRateFixed->currentIndex();
  wlan.txRateIndex = m_ui->cmbTXDataRate->currentIndex();
  return in;
}

bool PellarWirelessWindow::BeforeChecks() { return true; }

bool PellarWirelessWindow::AfterWirelessKeyCheck() { return true; }

DialogueRunner::Script PellarWirelessWindow::RunScript() const {
  WirelessInputs inputs = Inputs();
  return [inputs](Dialogue& dialogue) { return RunPellarWireless(dialogue, inputs); };
}

void PellarWirelessWindow::OnProgram() {
  // The unload pause keeps the window on screen for a moment.
  if (RunActive() || Unloading()) return;
  TrapRunError([this] {
    if (!BeforeChecks()) return;
    if (CurrentSuite() != Suite::None && CurrentKeyChange() != KeyChange::No && !CheckEncryptionKey()) return;
    if (!AfterWirelessKeyCheck()) return;
    EnableButtons(false);
    if (CheckAddressAndGateway()) StartRun(RunScript());
  });
}

Message PellarWirelessWindow::EndMessage(const RunOutcome& outcome) const { return PellarEndMessage(outcome, false); }

QString PellarWirelessWindow::RunErrorLabel() const { return kPellarRunLabel; }

bool PellarWirelessWindow::OnServiceKey(const QKeyEvent& key) {
  if (key.key() != kDefaultOnlyKey) return false;
  m_ui->chkDefaultOnly->show();
  return true;
}

}  // namespace dorvane
