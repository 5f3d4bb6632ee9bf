#pragma once
// A part the programming windows share (a frame, a key box) on a window of
// its own, shown and active, with a line edit beside it that can take the
// focus when the part lets it go.

#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include "widget_lookup.h"

namespace dorvane::testing {

template <typename Part>
struct PartWindow {
  enum class Other { Above, Below };

  QWidget window;
  Part* part = new Part(&window);
  QLineEdit* other = new QLineEdit(&window);

  explicit PartWindow(Other where) {
    auto* layout = new QVBoxLayout(&window);
    if (where == Other::Above) layout->addWidget(other);
    layout->addWidget(part);
    if (where == Other::Below) layout->addWidget(other);
    ShowActive(window);
  }
};

}  // namespace dorvane::testing
