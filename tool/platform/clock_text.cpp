#include "platform/clock_text.h"

#include <QDateTime>
#include <QLocale>

namespace dorvane {

QString ShortDateText(const QDate& date) { return QLocale::system().toString(date, QLocale::ShortFormat); }

QString LongTimeText(const QTime& time) {
  QLocale locale = QLocale::system();
  return locale.toString(time, locale.timeFormat(QLocale::LongFormat).remove('t').trimmed());
}

QString DateTimeText(const QDateTime& moment) {
  return ShortDateText(moment.date()) + " " + LongTimeText(moment.time());
}

}  // namespace dorvane
