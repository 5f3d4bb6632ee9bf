#pragma once
// Puts a core LabelValue on one of the main window's value labels.

#include "diagnostics/value_colour.h"

class QColor;
class QLabel;

namespace dorvane {

QColor ResultColour(ValueColour colour);

void ShowLabelValue(QLabel* label, const LabelValue& value);

}  // namespace dorvane
