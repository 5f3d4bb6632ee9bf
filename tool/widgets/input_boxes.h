#pragma once
// How the entry boxes of the programming windows behave as the installer
// types: address boxes select their text on focus, port boxes take digits,
// key boxes take capital hexadecimal digits and never see the clipboard,
// MAC boxes move on by themselves. Each is an event filter owned by its box.

#include <QList>
#include <functional>
#include <string>

class QLineEdit;
class QWidget;

namespace dorvane {

// The text of a box as the checks and scripts take it (UTF-8).
std::string BoxText(const QLineEdit* box);

// Selects the whole text of a line edit or an editable combo box now.
void SelectAllText(QWidget* box);

// Makes the box select all of its text every time it gains focus, so typing
// replaces it.
void SelectAllOnFocus(QWidget* box);

// A typed character other than 0 to 9 is dropped, while backspace, copy and
// paste keep working.
void AcceptPortNumberKeysOnly(QLineEdit* box);

// Only 0 to 9, the capitals A to F and backspace are typed; everything else,
// lower-case letters and the copy and paste keys included, is dropped. Keys
// that type nothing (arrows, Delete, Tab) still work.
void AcceptHexKeysOnly(QLineEdit* box);
// The same, only while active() says so (a box that holds a hexadecimal key
// or a passphrase, as the installer chooses).
void AcceptHexKeysOnlyWhile(QLineEdit* box, std::function<bool()> active);

// The system clipboard is emptied whenever the box gains focus or a mouse
// button goes down on it, so a key never leaves or enters it that way.
void EmptyClipboardOnFocus(QLineEdit* box);

// The six MAC address boxes of a PELLAR window, one byte each: when a
// character is typed with the caret after the first character of box i
// (0 to 4), the focus moves to box i + 1 while the character still lands in
// box i; the last box keeps the focus. Nothing typed is filtered.
void ChainMacAddressBoxes(const QList<QLineEdit*>& boxes);

// check runs when the installer leaves the box for another control of its
// window (Tab, a click on a field), once the focus has settled there. Leaving
// is not: switching to another program or a popup, a message box taking the
// focus, or a click on a button (Program runs its own checks, Exit and the
// frame buttons need none), so one box is never shown twice or over another.
void CheckOnLeaving(QWidget* box, std::function<void()> check);

}  // namespace dorvane
