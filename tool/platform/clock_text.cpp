#include "platform/clock_text.h"

#include <QDateTime>
#include <QLocale>

#include "platform/system.h"

namespace dorvane {

namespace {

// The clocks write the date and time with the user's regional patterns, the
// ones the main window's status bar names, so the two never disagree. The
// patterns are in the Windows notation, which Qt's shares but for the AM/PM
// marker: Windows "tt" (or "t") is Qt's "AP" ("t" is Qt's time zone).
QString QtTimePattern(QString pattern) {
  pattern.replace("tt", "AP");
  pattern.replace('t', 'A');
  return pattern;
}

}  // namespace

QString ShortDateText(const QDate& date) {
  QLocale locale = QLocale::system();
  QString pattern = QString::fromStdString(platform::LocaleText(platform::kLocaleShortDate));
  return locale.toString(date, pattern.isEmpty() ? locale.dateFormat(QLocale::ShortFormat) : pattern);
}

QString LongTimeText(const QTime& time) {
  QLocale locale = QLocale::system();
  QString pattern = QString::fromStdString(platform::LocaleText(platform::kLocaleTimeFormat));
  // Without a regional pattern, the long format without the time zone, which
  // no clock label has room for.
  if (pattern.isEmpty()) return locale.toString(time, locale.timeFormat(QLocale::LongFormat).remove('t').trimmed());
  return locale.toString(time, QtTimePattern(pattern));
}

QString DateTimeText(const QDateTime& moment) {
  return ShortDateText(moment.date()) + " " + LongTimeText(moment.time());
}

}  // namespace dorvane
