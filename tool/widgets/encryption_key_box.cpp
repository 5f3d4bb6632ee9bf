#include "widgets/encryption_key_box.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "widgets/error_report.h"
#include "widgets/frame_controls.h"
#include "widgets/input_boxes.h"
#include "widgets/run_display.h"

namespace dorvane {

namespace {

constexpr int kNoEncryption = 3;

KeySize SizeOfOption(int index) { return static_cast<KeySize>(index); }

}  // namespace

EncryptionKeyBox::EncryptionKeyBox(QWidget* parent) : QWidget(parent) {
  m_label = NewLabel(this, "lblEncryptionKey", " Data Encryption Key");
  m_key = NewEntryBox(this, "txtEncryptionKey", QString(), KeyLength(KeySize::Bits128));
  m_key->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  m_key->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // The longest key shows whole, so the installer can read back every digit.
  m_key->setMinimumWidth(m_key->fontMetrics().horizontalAdvance(QString(KeyLength(KeySize::Bits256) + 2, '0')));
  m_key->setToolTip(QString::fromStdString(KeyTooltip(KeySize::Bits128)));
  m_optionRow = new QHBoxLayout;
  for (const char* text : {"128 Bit", "192 Bit", "256 Bit"}) {
    m_options << NewOption(this, QString("optEncryption_%1").arg(m_options.size()), text);
    m_optionRow->addWidget(m_options.last());
  }
  m_optionRow->addStretch();
  m_options.first()->setChecked(true);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(m_label, 0, 0);
  grid->addWidget(m_key, 0, 1);
  grid->addLayout(m_optionRow, 1, 1);
  grid->setColumnStretch(1, 1);

  AcceptHexKeysOnly(m_key);
  EmptyClipboardOnFocus(m_key);
  CheckOnLeaving(m_key, [this] { CheckLeftKey(); });
  for (int i = 0; i < m_options.size(); ++i) {
    connect(m_options[i], &QRadioButton::clicked, this, [this, i] { OnOptionClick(i); });
  }
}

void EncryptionKeyBox::SetNameStem(const QString& stem) {
  m_label->setObjectName("lbl" + stem + "Key");
  m_key->setObjectName("txt" + stem + "Key");
  for (int i = 0; i < m_options.size(); ++i) m_options[i]->setObjectName(QString("opt%1_%2").arg(stem).arg(i));
}

void EncryptionKeyBox::AddNoEncryptionOption() {
  if (m_options.size() > kNoEncryption) return;
  QString stem = m_options.first()->objectName().chopped(2);
  m_options << NewOption(this, QString("%1_%2").arg(stem).arg(kNoEncryption), "No Encryption");
  m_optionRow->insertWidget(kNoEncryption, m_options.last());
  connect(m_options.last(), &QRadioButton::clicked, this, [this] { OnOptionClick(kNoEncryption); });
  m_options.last()->setChecked(true);
  OnOptionClick(kNoEncryption);
}

void EncryptionKeyBox::LineUpLabel(QGridLayout* fields) {
  layout()->removeWidget(m_label);
  int row = 0, column = 0, rows = 0, columns = 0;
  fields->getItemPosition(fields->indexOf(this), &row, &column, &rows, &columns);
  fields->removeWidget(this);
  fields->addWidget(m_label, row, 0, Qt::AlignTop);
  fields->addWidget(this, row, 1);
}

std::optional<KeySize> EncryptionKeyBox::Size() const {
  for (int i = 0; i < m_options.size() && i < kNoEncryption; ++i) {
    if (m_options[i]->isChecked()) return SizeOfOption(i);
  }
  return std::nullopt;
}

void EncryptionKeyBox::SelectSize(std::optional<KeySize> size) {
  int index = size ? static_cast<int>(*size) : kNoEncryption;
  if (index >= m_options.size()) return;
  m_options[index]->setChecked(true);
  OnOptionClick(index);
}

QString EncryptionKeyBox::Key() const { return m_key->text(); }

void EncryptionKeyBox::OnOptionClick(int index) {
  try {
    bool encrypted = index != kNoEncryption;
    m_key->setVisible(encrypted);
    m_label->setVisible(encrypted);
    if (!encrypted) {
      m_key->clear();
      m_key->setToolTip(QString());
      return;
    }
    KeySize size = SizeOfOption(index);
    int length = KeyLength(size);
    // A longer key is cut to the new size's digits; a shorter one stays.
    if (m_key->text().trimmed().size() > length) m_key->setText(m_key->text().trimmed().left(length));
    m_key->setMaxLength(length);
    m_key->setToolTip(QString::fromStdString(KeyTooltip(size)));
  } catch (...) {
    ReportTrappedError("Encryption Option Selection Click");
  }
}

bool EncryptionKeyBox::CheckKey() {
  std::optional<KeySize> size = Size();
  if (!size) return true;
  std::optional<Message> refusal = CheckKeyLength(m_key->text().toStdString(), *size);
  if (!refusal) return true;
  ShowRunMessage(window(), refusal->icon, refusal->title, refusal->text);
  m_key->setFocus();
  return false;
}

void EncryptionKeyBox::CheckLeftKey() {
  // An empty key passes here; a window that needs a key checks it at its run.
  if (!m_key->isVisible() || m_key->text().trimmed().isEmpty()) return;
  CheckKey();
}

std::optional<DataKey> EncryptionKeyBox::Value() const {
  std::optional<KeySize> size = Size();
  if (!size) return std::nullopt;
  return DataKey{*size, Key().toStdString()};
}

}  // namespace dorvane
