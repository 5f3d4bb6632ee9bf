#include "diagnostics/label_value.h"

#include <QLabel>

#include "widgets/result_colours.h"

namespace dorvane {

QColor ResultColour(ValueColour colour) {
  switch (colour) {
    case ValueColour::kLightRed: return kLightRed;
    case ValueColour::kLightGreen: return kLightGreen;
    case ValueColour::kWhite: break;
  }
  return kWhite;
}

void ShowLabelValue(QLabel* label, const LabelValue& value) {
  label->setText(QString::fromStdString(value.text));
  SetBackColour(label, ResultColour(value.colour));
}

}  // namespace dorvane
