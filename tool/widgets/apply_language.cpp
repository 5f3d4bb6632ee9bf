#include "widgets/apply_language.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>
#include <QVariant>
#include <QWidget>
#include <optional>

#include "base/localised_text.h"

namespace dorvane {

namespace {

// The text of the widget's tag in the current language, or nothing when the
// tag is missing or names no entry.
std::optional<QString> TagText(const QWidget* widget) {
  int id = ParseTextTag(widget->property(kTagProperty).toString().toStdString());
  if (id < 0) return std::nullopt;
  auto it = StringTable().find(id + LanguageOffset.load());
  if (it == StringTable().end()) return std::nullopt;
  return QString::fromStdString(it->second);
}

void ApplyToWidget(QWidget* widget, bool clearTips) {
  std::optional<QString> text = TagText(widget);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    // Status bar panels are labels inside the bar and take their text bare.
    bool panel = qobject_cast<QStatusBar*>(widget->parentWidget()) != nullptr;
    if (text) label->setText(panel ? *text : " " + *text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    if (text) frame->setTitle(*text);
    return;  // frames keep their tooltips
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    if (text) button->setText(*text);
  }
  if (clearTips) widget->setToolTip(QString());
}

}  // namespace

void ApplyLanguage(QWidget* window) {
  if (!window) return;
  if (std::optional<QString> caption = TagText(window)) window->setWindowTitle(" " + *caption);
  bool clearTips = LanguageOffset.load() != kEnglishOffset;
  for (QWidget* widget : window->findChildren<QWidget*>()) ApplyToWidget(widget, clearTips);
}

QString WindowText(int baseId) { return QString::fromStdString(LoadText(baseId)); }

}  // namespace dorvane
