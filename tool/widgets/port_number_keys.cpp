#include "widgets/port_number_keys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace dorvane {

namespace {

class PortNumberKeys : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)) return false;
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
    // Keys that type nothing (arrows, Delete, Home) are not characters and
    // pass; pasted text is not filtered, as in every port box of the tool.
    QString text = key->text();
    if (text.isEmpty()) return false;
    return !(text.size() == 1 && text[0] >= '0' && text[0] <= '9');
  }
};

}  // namespace

void AcceptPortNumberKeysOnly(QLineEdit* box) {
  if (box) box->installEventFilter(new PortNumberKeys(box));
}

}  // namespace dorvane
