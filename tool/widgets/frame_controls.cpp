#include "widgets/frame_controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpacerItem>

#include "widgets/apply_language.h"

namespace dorvane {

namespace {

constexpr int kFrameButtonHeight = 30;

void Name(QWidget* control, const QString& name, int textId) {
  control->setObjectName(name);
  if (textId >= 0) control->setProperty(kTagProperty, QString::number(textId));
}

}  // namespace

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text, int textId) {
  auto* label = new QLabel(text, parent);
  Name(label, name, textId);
  return label;
}

QLineEdit* NewEntryBox(QWidget* parent, const QString& name, const QString& text, int maxLength) {
  auto* box = new QLineEdit(text, parent);
  Name(box, name, -1);
  box->setMaxLength(maxLength);
  box->setAlignment(Qt::AlignCenter);
  return box;
}

QPushButton* NewFrameButton(QWidget* parent, const QString& name, const QString& text, int textId) {
  auto* button = new QPushButton(text, parent);
  Name(button, name, textId);
  button->setMinimumHeight(kFrameButtonHeight);
  return button;
}

QRadioButton* NewOption(QWidget* parent, const QString& name, const QString& text, const QString& toolTip) {
  auto* option = new QRadioButton(text, parent);
  Name(option, name, -1);
  option->setToolTip(toolTip);
  return option;
}

QHBoxLayout* ButtonRow(const QList<QPushButton*>& buttons) {
  auto* row = new QHBoxLayout;
  // The spacer the forms' button rows have.
  row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
  for (QPushButton* button : buttons) row->addWidget(button);
  return row;
}

}  // namespace dorvane
