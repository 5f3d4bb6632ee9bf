#pragma once
// Sets a window's captions from the string ids in its widgets' "tag"
// properties, in the current language.

#include <QString>

class QWidget;

namespace dorvane {

// The name of the dynamic property that holds a widget's string id.
inline constexpr const char* kTagProperty = "tag";

// Window caption: a blank and the text of the window's tag. Labels get a
// leading blank, frames, check boxes, option buttons and push buttons their
// text as it stands; a widget without a numeric tag keeps its text. Outside
// English every tooltip is cleared. Nothing in the walk fails the caller.
void ApplyLanguage(QWidget* window);

// LoadText for a window: the entry in the current language as a QString.
QString WindowText(int baseId);

}  // namespace dorvane
