#pragma once
// Background colours of the main window's value labels.

#include <QColor>

class QLabel;

namespace dorvane {

inline const QColor kLightRed(255, 192, 192);    // a fault or a warning
inline const QColor kWhite(255, 255, 255);       // a normal value
inline const QColor kLightGreen(192, 255, 192);  // a successful ping

// A sunken value box with a white background.
void InitValueLabel(QLabel* label);
void SetBackColour(QLabel* label, const QColor& colour);
QColor BackColour(const QLabel* label);

}  // namespace dorvane
