#include "families/family_buttons.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QPushButton>

namespace dorvane {

namespace {

// The layout below `widget`'s parent that holds it.
QLayout* HoldingLayout(QLayout* layout, QWidget* widget) {
  if (!layout) return nullptr;
  if (layout->indexOf(widget) >= 0) return layout;
  for (int i = 0; i < layout->count(); ++i) {
    if (QLayout* found = HoldingLayout(layout->itemAt(i)->layout(), widget)) return found;
  }
  return nullptr;
}

// Places a made button after `after`: next in a row or column of buttons,
// or in the first free row of `after`'s column of a grid.
void PlaceAfter(QPushButton* button, QWidget* after) {
  button->setMinimumSize(after->minimumSize());
  button->setMaximumSize(after->maximumSize());
  button->setSizePolicy(after->sizePolicy());
  QLayout* layout = after->parentWidget() ? HoldingLayout(after->parentWidget()->layout(), after) : nullptr;
  if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
    box->insertWidget(box->indexOf(after) + 1, button);
  } else if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(after), &row, &column, &rowSpan, &columnSpan);
    grid->addWidget(button, grid->rowCount(), column);
  }
}

}  // namespace

QList<FamilyButton> FamilyButtons(QWidget* window, const QList<BoardFamily::Opener>& openers, QPushButton* sibling) {
  QList<FamilyButton> buttons;
  QWidget* last = sibling;
  for (const BoardFamily* family : BoardFamilies()) {
    if (!openers.contains(family->opener)) continue;
    auto* button = window->findChild<QPushButton*>(family->buttonName);
    if (!button) {
      button = new QPushButton(QString::fromUtf8(family->caption), sibling->parentWidget());
      button->setObjectName(family->buttonName);
      PlaceAfter(button, last);
      last = button;
    }
    buttons.append({family, button});
  }
  return buttons;
}

}  // namespace dorvane
