#include "boards/mac_address_boxes.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace dorvane {

namespace {

class MoveOnSecondCharacter : public QObject {
 public:
  MoveOnSecondCharacter(QLineEdit* box, QLineEdit* next) : QObject(box), m_box(box), m_next(next) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    bool typed = !key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
    if (typed && m_box->cursorPosition() == 1) m_next->setFocus(Qt::TabFocusReason);
    return false;
  }

 private:
  QLineEdit* m_box;
  QLineEdit* m_next;
};

}  // namespace

void ChainMacAddressBoxes(const QList<QLineEdit*>& boxes) {
  for (qsizetype i = 0; i + 1 < boxes.size(); ++i) {
    boxes[i]->installEventFilter(new MoveOnSecondCharacter(boxes[i], boxes[i + 1]));
  }
}

}  // namespace dorvane
