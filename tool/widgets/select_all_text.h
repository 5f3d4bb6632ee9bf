#pragma once
// Address boxes select their whole text on focus, so typing replaces it.

class QWidget;

namespace dorvane {

// Selects the whole text of a line edit or an editable combo box now.
void SelectAllText(QWidget* box);

// Makes the box select all of its text every time it gains focus.
void SelectAllOnFocus(QWidget* box);

}  // namespace dorvane
