#pragma once
// The help launcher of the programming windows and the main window.

#include <QString>

namespace dorvane {

// Opens the help at its index: "DorvanePELLAR.chm" from the program folder
// where it exists (Windows), otherwise the bundled HTML help in the desktop's
// browser. Errors are swallowed.
void ShowHelp();

// Opens the given help file at its index; keyword is passed to the viewer
// when it understands one.
void OpenHelpIndex(const QString& path, const QString& keyword);

// The bundled HTML help's index page, or an empty text when it is missing.
QString HtmlHelpIndexPath();

}  // namespace dorvane
