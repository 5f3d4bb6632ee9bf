#pragma once
// How a window reaches the help: its Help button and F1 open the help
// window on the window's own page, in the language the tool shows.

#include <QString>

class QAbstractButton;
class QWidget;

namespace dorvane {

class HelpWindow;

// Opens (or brings up) the help window on page, above the window of from.
// A page the program does not carry is said in a message box: the installer
// asked for help and must never be met with nothing.
void ShowHelp(const QString& page, QWidget* from);

// F1 anywhere in window opens page, and so does button when there is one.
void AttachHelp(QWidget* window, const QString& page, QAbstractButton* button = nullptr);

// The page AttachHelp gave window; empty for a window without help.
QString HelpPageOf(const QWidget* window);

// The help window while one is open.
HelpWindow* CurrentHelpWindow();

}  // namespace dorvane
