#include "widgets/select_all_text.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace dorvane {

namespace {

class SelectAllFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      // After the focus change settles: a mouse click would otherwise put
      // the caret back and undo the selection.
      auto* box = static_cast<QWidget*>(watched);
      QTimer::singleShot(0, box, [box] { SelectAllText(box); });
    }
    return false;
  }
};

}  // namespace

void SelectAllText(QWidget* box) {
  if (auto* edit = qobject_cast<QLineEdit*>(box)) {
    edit->setSelection(0, static_cast<int>(edit->text().size()));
  } else if (auto* combo = qobject_cast<QComboBox*>(box)) {
    if (QLineEdit* edit = combo->lineEdit()) edit->setSelection(0, static_cast<int>(edit->text().size()));
  }
}

void SelectAllOnFocus(QWidget* box) {
  if (box) box->installEventFilter(new SelectAllFilter(box));
}

}  // namespace dorvane
