#include "widgets/input_boxes.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace dorvane {

std::string BoxText(const QLineEdit* box) { return box->text().toStdString(); }

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

// Drops the typed characters the box does not take. Keys that type nothing
// (arrows, Delete, Home) are not characters and always pass, and so do
// backspace and the focus keys.
class TypedKeyFilter : public QObject {
 public:
  using Accepts = std::function<bool(const QKeyEvent&)>;
  TypedKeyFilter(QObject* box, Accepts accepts) : QObject(box), m_accepts(std::move(accepts)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
    if (key->text().isEmpty()) return false;
    return !m_accepts(*key);
  }

 private:
  Accepts m_accepts;
};

bool OneCharacterIn(const QKeyEvent& key, char first, char last) {
  QString text = key.text();
  return text.size() == 1 && text[0] >= QChar(first) && text[0] <= QChar(last);
}

class ClipboardEmptier : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
      QGuiApplication::clipboard()->clear();
    }
    return false;
  }
};

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

class LeavingCheck : public QObject {
 public:
  LeavingCheck(QWidget* box, std::function<void()> check) : QObject(box), m_box(box), m_check(std::move(check)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    // Once the focus has settled where it went, so the box's own focus does
    // not fight the control that took it.
    QTimer::singleShot(0, this, [this] {
      if (LeftForAField()) m_check();
    });
    return false;
  }

 private:
  bool LeftForAField() const {
    const QWidget* now = QApplication::focusWidget();
    if (!now || now == m_box || QApplication::activeModalWidget()) return false;
    return now->window() == m_box->window() && !qobject_cast<const QPushButton*>(now);
  }

  QWidget* m_box;
  std::function<void()> m_check;
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

void AcceptPortNumberKeysOnly(QLineEdit* box) {
  if (!box) return;
  // Pasted text is not filtered, as in every port box of the tool.
  box->installEventFilter(new TypedKeyFilter(box, [](const QKeyEvent& key) {
    return key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Paste) || OneCharacterIn(key, '0', '9');
  }));
}

void AcceptHexKeysOnly(QLineEdit* box) {
  AcceptHexKeysOnlyWhile(box, [] { return true; });
}

void AcceptHexKeysOnlyWhile(QLineEdit* box, std::function<bool()> active) {
  if (!box) return;
  box->installEventFilter(new TypedKeyFilter(box, [active = std::move(active)](const QKeyEvent& key) {
    return !active() || OneCharacterIn(key, '0', '9') || OneCharacterIn(key, 'A', 'F');
  }));
}

void EmptyClipboardOnFocus(QLineEdit* box) {
  if (box) box->installEventFilter(new ClipboardEmptier(box));
}

void ChainMacAddressBoxes(const QList<QLineEdit*>& boxes) {
  for (qsizetype i = 0; i + 1 < boxes.size(); ++i) {
    boxes[i]->installEventFilter(new MoveOnSecondCharacter(boxes[i], boxes[i + 1]));
  }
}

void CheckOnLeaving(QWidget* box, std::function<void()> check) {
  if (box) box->installEventFilter(new LeavingCheck(box, std::move(check)));
}

}  // namespace dorvane
