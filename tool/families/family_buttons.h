#pragma once
// The button that opens a family's window, on the form of the window that
// offers it (the main window, the device-type selection window): the
// form's own button where the form has one, otherwise one made beside the
// form's other opening buttons, so a new family needs no form change.

#include <QList>
#include <functional>

#include "families/board_family.h"

class QPushButton;
class QWidget;

namespace dorvane {

struct FamilyButton {
  const BoardFamily* family;
  QPushButton* button;
};

// The opening buttons of the families whose opener is one of `openers`,
// in the list's order. A made button goes into the layout of `sibling` (a
// button the form has), after it and after the buttons made before it.
QList<FamilyButton> FamilyButtons(QWidget* window, const QList<BoardFamily::Opener>& openers, QPushButton* sibling);

}  // namespace dorvane
