#include "widgets/result_colours.h"

#include <QLabel>
#include <QPalette>

namespace dorvane {

void InitValueLabel(QLabel* label) {
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setAutoFillBackground(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  SetBackColour(label, kWhite);
}

void SetBackColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, colour);
  // Dark desktop themes would otherwise paint light text on the light boxes.
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
}

QColor BackColour(const QLabel* label) { return label->palette().color(QPalette::Window); }

}  // namespace dorvane
