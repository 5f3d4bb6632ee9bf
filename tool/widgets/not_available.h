#pragma once
// The box of a function whose window is not part of this version yet.

#include <QString>

class QWidget;

namespace dorvane {

void ShowNotAvailable(QWidget* owner, const QString& function);

}  // namespace dorvane
