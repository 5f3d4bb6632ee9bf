#pragma once
// The data encryption key with its size options: "128 Bit", "192 Bit" and
// "256 Bit" (optEncryption_0 to _2), the key box (txtEncryptionKey) and its
// label (lblEncryptionKey). The box takes capital hexadecimal digits only,
// never sees the clipboard, holds at most the chosen size's digits and says
// so when it is left with a key of another length. Placed on a form as a
// promoted QWidget.

#include <QList>
#include <QString>
#include <QWidget>
#include <optional>

#include "programming/field_checks.h"
#include "programming/run_inputs.h"

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace dorvane {

class EncryptionKeyBox : public QWidget {
  Q_OBJECT

 public:
  explicit EncryptionKeyBox(QWidget* parent = nullptr);

  // The controls' names are "opt" + stem + "_0".., "txt" + stem + "Key" and
  // "lbl" + stem + "Key"; the stem is "Encryption" unless set
  // ("DataEncryption" on a window whose other key box has those names).
  void SetNameStem(const QString& stem);
  // A fourth option, "No Encryption" (optEncryption_3), selected: the key
  // box and its label hide while it is.
  void AddNoEncryptionOption();

  // On a form whose fields are a grid of labels and boxes, with this box in
  // it: the label leaves the box for the grid's label column, so it lines up
  // with the other fields' labels.
  void LineUpLabel(QGridLayout* fields);

  // The selected size; nothing while "No Encryption" is selected.
  std::optional<KeySize> Size() const;
  void SelectSize(std::optional<KeySize> size);
  QString Key() const;  // as typed, not trimmed
  // The size chosen (none: "No Encryption") with the key as typed.
  std::optional<DataKey> Value() const;

  // The run's check: the trimmed key must have exactly the size's digits.
  // Otherwise the box says so, the focus goes back to the key box and the
  // result is false.
  bool CheckKey();

  QLabel* Label() const { return m_label; }
  QLineEdit* KeyBox() const { return m_key; }
  QRadioButton* Option(int index) const { return m_options.value(index); }

 private:
  void OnOptionClick(int index);
  void CheckLeftKey();

  QLabel* m_label;
  QLineEdit* m_key;
  QList<QRadioButton*> m_options;
  QHBoxLayout* m_optionRow;
};

}  // namespace dorvane
