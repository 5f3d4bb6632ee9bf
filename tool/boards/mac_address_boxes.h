#pragma once
// The six MAC address boxes of a PELLAR window, one byte each: typing the
// second character of a box moves on to the next box.

#include <QList>

class QLineEdit;

namespace dorvane {

// When a character is typed with the caret after the first character of box
// i (0 to 4), the focus moves to box i + 1 while the character still lands
// in box i; the last box keeps the focus. Nothing typed is filtered.
void ChainMacAddressBoxes(const QList<QLineEdit*>& boxes);

}  // namespace dorvane
