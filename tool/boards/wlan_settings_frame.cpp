#include "boards/wlan_settings_frame.h"

#include <QFontDatabase>

#include "base/localised_text.h"
#include "ui_wlan_settings_frame.h"
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

WlanSettingsFrame::WlanSettingsFrame(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::WlanSettingsFrame>()) {
  m_ui->setupUi(this);
  m_ui->txtEncryptionKey->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // The longest key shows whole, so the installer can read back every digit.
  m_ui->txtEncryptionKey->setMinimumWidth(m_ui->txtEncryptionKey->fontMetrics().horizontalAdvance(QString(66, '0')));
  AcceptHexKeysOnlyWhile(m_ui->txtEncryptionKey, [this] { return CurrentKeyChange() == KeyChange::Hexadecimal; });
  // A new encryption choice can leave the typed key the wrong length, so
  // leaving the list checks the key as leaving the key does.
  for (QWidget* control : {static_cast<QWidget*>(m_ui->txtEncryptionKey), static_cast<QWidget*>(m_ui->cmbEncryption)}) {
    CheckOnLeaving(control, [this] {
      if (!m_ui->txtEncryptionKey->hasFocus() && !m_ui->txtEncryptionKey->text().trimmed().isEmpty()) {
        CheckEncryptionKey();
      }
    });
  }

  connect(m_ui->cmbTopology, &QComboBox::activated, this, [this] { SetTopology(); });
  connect(m_ui->cmbSecurity, &QComboBox::activated, this, [this] { OnSecurityClick(); });
  connect(m_ui->cmbEncryption, &QComboBox::activated, this, [this] { SetEncryptionKeyWidth(); });
  connect(m_ui->cmbChangeKey, &QComboBox::activated, this, [this] { OnChangeKeyClick(); });
}

WlanSettingsFrame::~WlanSettingsFrame() = default;

void WlanSettingsFrame::FillLists() {
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
  m_ui->txtEncryptionKey->clear();
}

Suite WlanSettingsFrame::CurrentSuite() const { return static_cast<Suite>(m_ui->cmbSecurity->currentIndex()); }

KeyChange WlanSettingsFrame::CurrentKeyChange() const {
  return static_cast<KeyChange>(m_ui->cmbChangeKey->currentIndex());
}

void WlanSettingsFrame::SetTopology() {
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

void WlanSettingsFrame::OnSecurityClick() {
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

void WlanSettingsFrame::OnChangeKeyClick() {
  m_ui->txtEncryptionKey->clear();
  EnableWithLabel(m_ui->txtEncryptionKey, m_ui->lblEncryptionKey, CurrentKeyChange() != KeyChange::No);
  SetEncryptionKeyWidth();
}

void WlanSettingsFrame::SetEncryptionKeyWidth() {
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

bool WlanSettingsFrame::CheckKeyForRun() {
  return CurrentSuite() == Suite::None || CurrentKeyChange() == KeyChange::No || CheckEncryptionKey();
}

bool WlanSettingsFrame::CheckEncryptionKey() {
  try {
    WirelessKeyCheck check = dorvane::CheckEncryptionKey(CurrentSuite(), m_ui->cmbEncryption->currentIndex(),
                                                         CurrentKeyChange(), BoxText(m_ui->txtEncryptionKey));
    if (check.key != BoxText(m_ui->txtEncryptionKey)) m_ui->txtEncryptionKey->setText(QString::fromStdString(check.key));
    if (check.message) ShowRunMessage(window(), check.message->icon, check.message->title, check.message->text);
    if (!check.usable) m_ui->txtEncryptionKey->setFocus();
    return check.usable;
  } catch (...) {
    ReportTrappedError("Check Encryption Key");
    return true;
  }
}

WlanSettings WlanSettingsFrame::Settings() const {
  WlanSettings wlan;
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
  return wlan;
}

}  // namespace dorvane
